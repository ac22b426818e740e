#include "ui/shell/messagelog.h"

#include <QDateTime>

MessageLog::MessageLog(QObject *parent) : QObject(parent)
{
}

void MessageLog::append(const QString &message)
{
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("[yyyy-MM-dd HH:mm:ss] ")) + message;
    setText(m_text.isEmpty() ? line : m_text + QLatin1Char('\n') + line);
}

void MessageLog::setText(const QString &text)
{
    const QString kept = trimmed(text);
    if (m_text == kept)
        return;
    m_text = kept;
    emit textChanged();
}

QString MessageLog::trimmed(const QString &text) const
{
    if (text.size() > m_limit)
        return text.mid(qBound(0, m_cut, text.size()));
    return text;
}

void MessageLog::setLimit(int limit)
{
    if (m_limit == limit)
        return;
    m_limit = limit;
    emit limitChanged();
}

void MessageLog::setCut(int cut)
{
    if (m_cut == cut)
        return;
    m_cut = cut;
    emit cutChanged();
}
