#ifndef LINESTAMP_H
#define LINESTAMP_H

#include <QString>

// The "[yyyy-MM-dd HH:mm:ss] " stamp in front of every log line the operator
// sees. Turning the clock into local time and text is the dearest part of a
// line, and a refresh in which thousands of cells change state stamps them all
// within the same second, so the text is made once per second and reused.
class LineStamp
{
public:
    QString now();

private:
    qint64 m_second = -1;
    QString m_text;
};

#endif
