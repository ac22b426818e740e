#include "ui/shell/linestamp.h"

#include <QDateTime>

QString LineStamp::now()
{
    const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (second != m_second) {
        m_second = second;
        m_text = QDateTime::fromSecsSinceEpoch(second).toString(QStringLiteral("[yyyy-MM-dd HH:mm:ss] "));
    }
    return m_text;
}
