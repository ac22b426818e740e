#ifndef SCREENBEAT_H
#define SCREENBEAT_H

#include <QObject>
#include <QTimer>

// The beat on which what changes on the screen by itself moves: the refresh
// and the table counters once a second, the batched log and status line at
// most once a second, the flashing information tab every half second.
// Rendering is done in software and every frame draws the whole window, so
// changes that fall on the same beat share one frame. Beats fall on whole
// multiples of their period on the clock, so separate timers meet without
// knowing of each other.
class ScreenBeat : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool running READ running WRITE setRunning RESET resetRunning NOTIFY runningChanged)
    Q_PROPERTY(int periodMs READ periodMs WRITE setPeriodMs RESET resetPeriodMs NOTIFY periodMsChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    static constexpr int HalfSecondMs = 500;

    explicit ScreenBeat(QObject *parent = nullptr);

    // Time until the clock's next whole multiple of periodMs, never so short
    // that a timer firing a little early for one beat would be taken for the
    // next.
    static int msToNextBeat(int periodMs);

    bool running() const { return m_timer.isActive(); }
    void setRunning(bool running);
    void resetRunning() { setRunning(false); }

    int periodMs() const { return m_periodMs; }
    void setPeriodMs(int ms);
    void resetPeriodMs() { setPeriodMs(HalfSecondMs); }

    // Beats since the start of the run; counts only while running.
    int count() const { return m_count; }

signals:
    void runningChanged();
    void periodMsChanged();
    void countChanged();

private:
    void beat();

    QTimer m_timer;
    int m_periodMs = HalfSecondMs;
    int m_count = 0;
};

#endif
