#include "ui/settings/displaycommand.h"

DisplayCommand::DisplayCommand(QObject *parent) : QObject(parent) {}

int DisplayCommand::flagFor(bool digitDisplay, bool weightShown)
{
    return (digitDisplay ? 0 : DisplayOffBit) | (weightShown ? WeightShownBit : 0);
}

QString DisplayCommand::build(bool digitDisplay, bool weightShown)
{
    QString command(Length, QChar(0));
    command[0] = QChar(0x24);
    command[2] = QChar(0x03);
    command[FlagPosition] = QChar(flagFor(digitDisplay, weightShown));
    return command;
}

void DisplayCommand::setDigitDisplay(bool on)
{
    if (m_digitDisplay == on)
        return;
    m_digitDisplay = on;
    emit digitDisplayChanged();
    emit commandChanged();
}

void DisplayCommand::setWeightShown(bool shown)
{
    if (m_weightShown == shown)
        return;
    m_weightShown = shown;
    emit weightShownChanged();
    emit commandChanged();
}
