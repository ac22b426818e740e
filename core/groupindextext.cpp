#include "core/groupindextext.h"

#include <QStringList>

bool GroupIndexText::normalize(const QString &text, QString &normalized)
{
    QStringList pieces = text.split(QLatin1Char(','));
    if (pieces.size() > 1 && pieces.constLast().isEmpty())
        pieces.removeLast();
    if (pieces.size() > ValueCount)
        return false;
    QString result;
    for (int i = 0; i < ValueCount; ++i) {
        const int value = i < pieces.size() ? pieces.at(i).toInt() : 0;
        result += QString::number(value) + QLatin1Char(',');
    }
    normalized = result;
    return true;
}
