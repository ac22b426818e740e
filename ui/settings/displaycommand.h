#ifndef DISPLAYCOMMAND_H
#define DISPLAYCOMMAND_H

#include <QObject>
#include <QString>

// The command that sets what the cells' digit displays show. The hubs expect
// 36 characters: 0x24 0x00 0x03 0x00, a flag byte, then zeros. Flag bit 0 turns
// the digit display off, bit 1 selects the weight (else the cell's address).
// Every character stays below 0x80, so the UTF-8 text the hub link sends is
// byte for byte the command.
class DisplayCommand : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool digitDisplay READ digitDisplay WRITE setDigitDisplay RESET resetDigitDisplay NOTIFY digitDisplayChanged)
    Q_PROPERTY(bool weightShown READ weightShown WRITE setWeightShown RESET resetWeightShown NOTIFY weightShownChanged)
    Q_PROPERTY(int flag READ flag NOTIFY commandChanged)
    Q_PROPERTY(QString command READ command NOTIFY commandChanged)

public:
    static constexpr int Length = 36;
    static constexpr int FlagPosition = 4;
    static constexpr int DisplayOffBit = 0x01;
    static constexpr int WeightShownBit = 0x02;

    explicit DisplayCommand(QObject *parent = nullptr);

    static int flagFor(bool digitDisplay, bool weightShown);
    static QString build(bool digitDisplay, bool weightShown);

    bool digitDisplay() const { return m_digitDisplay; }
    void setDigitDisplay(bool on);
    void resetDigitDisplay() { setDigitDisplay(true); }

    bool weightShown() const { return m_weightShown; }
    void setWeightShown(bool shown);
    void resetWeightShown() { setWeightShown(true); }

    int flag() const { return flagFor(m_digitDisplay, m_weightShown); }
    QString command() const { return build(m_digitDisplay, m_weightShown); }

signals:
    void digitDisplayChanged();
    void weightShownChanged();
    // The command text changed; the settings page sends it at once.
    void commandChanged();

private:
    bool m_digitDisplay = true;
    bool m_weightShown = true;
};

#endif
