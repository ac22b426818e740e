#include "ui/shell/messagelog.h"

#include <QDebug>

MessageLog::MessageLog(QObject *parent) : QObject(parent)
{
    connect(&m_announce, &NotifyCoalescer::notify, this, &MessageLog::announce);
}

void MessageLog::append(const QString &message)
{
    if (!m_text.isEmpty())
        m_text += QLatin1Char('\n');
    m_text += m_stamp.now();
    m_text += message;
    m_text = trimmed(m_text);
    m_announce.changed();
}

void MessageLog::record(const QString &level, const QString &message)
{
    if (level == QLatin1String("ERR"))
        qWarning().noquote() << message;
    else
        qInfo().noquote() << message;
    append(message);
}

void MessageLog::setText(const QString &text)
{
    const QString kept = trimmed(text);
    if (m_text == kept)
        return;
    // Announced even when it equals what was last announced: a binding that
    // was re-evaluated in between (a re-translation re-evaluates them all) may
    // show lines still waiting for their beat.
    m_text = kept;
    m_announced = m_text;
    emit textChanged();
}

void MessageLog::announce()
{
    if (m_announced == m_text)
        return;
    m_announced = m_text;
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
