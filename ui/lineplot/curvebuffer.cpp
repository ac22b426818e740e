#include "ui/lineplot/curvebuffer.h"

#include <algorithm>

CurveBuffer::CurveBuffer(int capacity) : m_capacity(std::max(1, capacity)) {}

void CurveBuffer::setCapacity(int capacity)
{
    m_capacity = std::max(1, capacity);
    dropOldest();
}

void CurveBuffer::append(const QPointF &point)
{
    if (isEmpty() || point.x() >= last().x()) {
        m_points.append(point);
    } else {
        const auto later = [](double x, const QPointF &p) { return x < p.x(); };
        const QPointF *place = std::upper_bound(begin(), end(), point.x(), later);
        m_points.insert(int(place - m_points.constData()), point);
    }
    dropOldest();
}

void CurveBuffer::clear()
{
    m_points.clear();
    m_first = 0;
}

void CurveBuffer::dropOldest()
{
    if (size() > m_capacity)
        m_first += size() - m_capacity;
    if (m_first >= size()) {
        m_points.remove(0, m_first);
        m_first = 0;
    }
}
