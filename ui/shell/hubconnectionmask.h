#ifndef HUBCONNECTIONMASK_H
#define HUBCONNECTIONMASK_H

#include <QObject>

// Splits the controller's hub mask for the information page's nine circles:
// the high 16 bits mark the hubs ever seen, the low 16 bits those connected
// now; hub n is bit n - 1 of each half.
class HubConnectionMask : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int mask READ mask WRITE setMask RESET resetMask NOTIFY maskChanged)
    Q_PROPERTY(int high READ high NOTIFY maskChanged)
    Q_PROPERTY(int low READ low NOTIFY maskChanged)

public:
    explicit HubConnectionMask(QObject *parent = nullptr);

    int mask() const { return m_mask; }
    void setMask(int mask);
    void resetMask() { setMask(0); }

    int high() const { return int((quint32(m_mask) >> 16) & 0xFFFFu); }
    int low() const { return int(quint32(m_mask) & 0xFFFFu); }

    // Whether hub `hub` (1-based) has its bit set in one half of the mask.
    Q_INVOKABLE static bool hubBit(int half, int hub);

signals:
    void maskChanged();

private:
    int m_mask = 0;
};

#endif
