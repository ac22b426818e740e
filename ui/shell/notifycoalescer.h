#ifndef NOTIFYCOALESCER_H
#define NOTIFYCOALESCER_H

#include <QObject>
#include <QTimer>

// Bounds how often a fast-changing value is announced to the screen. Every
// announcement of a shown text costs a re-layout and a rendered frame, and a
// site where many cells change state together produces thousands of log lines
// in one refresh. The first change after a quiet spell is announced at once;
// changes that follow are announced together on the next whole second of the
// clock (a ScreenBeat), so the screen follows at most once a second whatever
// the rate of changes, in the same frame as the refresh and everything else
// that moves on the beat.
class NotifyCoalescer : public QObject
{
    Q_OBJECT

public:
    static constexpr int PeriodMs = 1000;

    explicit NotifyCoalescer(QObject *parent = nullptr);

    // A change happened: announced now, or on the next beat.
    void changed();

signals:
    void notify();

private:
    void beat();

    QTimer m_timer;
    bool m_pending = false;
};

#endif
