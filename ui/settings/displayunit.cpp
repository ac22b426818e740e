#include "ui/settings/displayunit.h"

DisplayUnit::DisplayUnit(QObject *parent) : QObject(parent) {}

double DisplayUnit::factorOf(const QString &unit)
{
    return unit == QLatin1String("LB") ? PoundsPerKilogram : 1.0;
}

QString DisplayUnit::shownUnit(const QString &stored)
{
    return stored == QLatin1String("LB") ? QStringLiteral("LB") : QStringLiteral("KG");
}

void DisplayUnit::setUnit(const QString &unit)
{
    const QString shown = shownUnit(unit);
    if (m_unit == shown)
        return;
    m_unit = shown;
    emit unitChanged();
}
