#ifndef CURVEBUFFER_H
#define CURVEBUFFER_H

#include <QPointF>
#include <QVector>

// The points of one curve, in time order, at most `capacity` of them: the
// oldest point goes first when a new one would exceed it. Dropping is
// amortised: the dropped points stay in storage until they fill as much
// again as the curve holds, then go in one move.
class CurveBuffer
{
public:
    static constexpr int LiveCapacity = 6000;
    static constexpr int HistoryCapacity = 90000;

    explicit CurveBuffer(int capacity = LiveCapacity);

    int capacity() const { return m_capacity; }
    // A smaller capacity drops the oldest points at once.
    void setCapacity(int capacity);

    // A point older than the newest goes to its place in time (a recording
    // read out of order); otherwise it is appended.
    void append(const QPointF &point);
    void clear();

    int size() const { return int(m_points.size()) - m_first; }
    bool isEmpty() const { return size() == 0; }
    const QPointF *begin() const { return m_points.constData() + m_first; }
    const QPointF *end() const { return m_points.constData() + m_points.size(); }
    const QPointF &last() const { return m_points.constLast(); }

private:
    void dropOldest();

    QVector<QPointF> m_points;
    int m_first = 0;
    int m_capacity;
};

#endif
