#ifndef MESSAGELOG_H
#define MESSAGELOG_H

#include "ui/shell/linestamp.h"
#include "ui/shell/notifycoalescer.h"

#include <QObject>
#include <QString>

// The text of a log area: every message becomes one line stamped with the local
// time. The text is kept short for the text area's sake: once it grows beyond
// `limit` characters its first `cut` characters are dropped, line by line as the
// lines come in.
//
// `text` is always the whole current text, but appended lines are announced
// (textChanged) at most once a second (NotifyCoalescer): a text area lays
// out its whole text again on every change, and thousands of lines can arrive
// in one refresh. Setting or clearing the text is announced at once.
class MessageLog : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText RESET resetText NOTIFY textChanged)
    Q_PROPERTY(int limit READ limit WRITE setLimit RESET resetLimit NOTIFY limitChanged)
    Q_PROPERTY(int cut READ cut WRITE setCut RESET resetCut NOTIFY cutChanged)

public:
    static constexpr int DefaultLimit = 2000;
    static constexpr int DefaultCut = 1000;

    explicit MessageLog(QObject *parent = nullptr);

    // Appends "[yyyy-MM-dd HH:mm:ss] " and the message as a new line.
    Q_INVOKABLE void append(const QString &message);
    // Writes the message to the log file at once ("ERR" as a warning, any
    // other level as information), then appends it: the area drops its oldest
    // lines, and alarms and link changes must stay traceable.
    Q_INVOKABLE void record(const QString &level, const QString &message);
    Q_INVOKABLE void clear() { resetText(); }

    QString text() const { return m_text; }
    void setText(const QString &text);
    void resetText() { setText(QString()); }

    int limit() const { return m_limit; }
    void setLimit(int limit);
    void resetLimit() { setLimit(DefaultLimit); }

    int cut() const { return m_cut; }
    void setCut(int cut);
    void resetCut() { setCut(DefaultCut); }

signals:
    void textChanged();
    void limitChanged();
    void cutChanged();

private:
    QString trimmed(const QString &text) const;
    void announce();

    QString m_text;
    QString m_announced;
    int m_limit = DefaultLimit;
    int m_cut = DefaultCut;
    NotifyCoalescer m_announce;
    LineStamp m_stamp;
};

#endif
