#ifndef PARTNUMBERPOOL_H
#define PARTNUMBERPOOL_H

#include <QObject>
#include <QVariantList>

#include <bitset>

// The part numbers of one view container: parts 1 to 19 besides the built-in
// part 0. A new part takes the lowest free number; a deleted part's number is
// free again.
class PartNumberPool : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList used READ used NOTIFY usedChanged)

public:
    static constexpr int FirstPart = 1;
    static constexpr int LastPart = 19;

    explicit PartNumberPool(QObject *parent = nullptr);

    QVariantList used() const;

    // The lowest free number, now in use; 0 when all are taken.
    Q_INVOKABLE int take();
    // Marks a stored part's number as used; false when it is out of range or taken.
    Q_INVOKABLE bool reserve(int number);
    Q_INVOKABLE void release(int number);
    Q_INVOKABLE bool isUsed(int number) const;

signals:
    void usedChanged();

private:
    std::bitset<LastPart + 1> m_used;
};

#endif
