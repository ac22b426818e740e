#ifndef STALLPROBE_H
#define STALLPROBE_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// A measuring aid for the live benchmark: a short repeating timer on the GUI
// thread notices when the event loop did not come round for a while and writes
// one log line per stall, "event-loop stall <ms> ms (GUI thread busy <ms> ms)".
// Off unless the environment variable VORN_STALL_PROBE is set, so an
// operator's program runs no extra timer.
class StallProbe : public QObject
{
    Q_OBJECT

public:
    // Gaps between two ticks shorter than this are ordinary scheduling and are
    // not reported.
    static constexpr int ReportFromMs = 50;
    static constexpr int TickMs = 20;

    explicit StallProbe(QObject *parent = nullptr);

    // Starts the probe when VORN_STALL_PROBE is set; true when it runs.
    bool startIfRequested();

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_lastCpu = 0;
};

#endif
