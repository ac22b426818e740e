#include "tools/hubsim/simulatedcell.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The weighing-type codes of 500, 1000, 2000 and 5000 kg cells.
constexpr quint16 BoxTypes[] = { 1, 2, 3, 5 };

// Share of a period during which the load is raised or lowered.
constexpr double ExcursionShare = 0.4;

double uniform(QRandomGenerator &random, double low, double high)
{
    return low + (high - low) * random.generateDouble();
}

// Roughly normal noise in [-1, 1], centred on 0.
double noise(QRandomGenerator &random)
{
    return (random.generateDouble() + random.generateDouble() + random.generateDouble() - 1.5) / 1.5;
}

} // namespace

SimulatedCell::SimulatedCell(quint16 index, QRandomGenerator &random)
    : m_index(index),
      m_boxType(BoxTypes[index % 4]),
      m_profile(profileFor(index)),
      m_restShare(uniform(random, 0.25, 0.7)),
      m_period(uniform(random, 30, 60)),
      m_time(uniform(random, 0, 60))
{
    m_weight = excursion();
}

SimulatedCell::Profile SimulatedCell::profileFor(quint16 index)
{
    if (index % 10 == 5)
        return Profile::LiftToAlarm;
    if (index % 10 == 0)
        return Profile::LiftToWarn;
    if (index % 7 == 3)
        return Profile::Unload;
    return Profile::Steady;
}

void SimulatedCell::setThresholds(const Thresholds &thresholds)
{
    m_thresholds = thresholds;
}

double SimulatedCell::span() const
{
    return std::max(100.0, m_thresholds.maxWarn - m_thresholds.minWarn);
}

// The load without noise: rest plus a smooth lift (or drop) during the first
// part of each period.
double SimulatedCell::excursion() const
{
    const Thresholds &t = m_thresholds;
    const double rest = t.minWarn + m_restShare * span();
    const double x = std::fmod(m_time, m_period) / m_period;
    const double pulse = x < ExcursionShare ? std::pow(std::sin(M_PI * x / ExcursionShare), 2) : 0.0;
    double target = rest;
    switch (m_profile) {
    case Profile::Steady:
        break;
    case Profile::LiftToWarn:
        target = (t.maxWarn + t.maxErr) / 2;
        break;
    case Profile::LiftToAlarm:
        target = t.maxErr + 0.1 * span();
        break;
    case Profile::Unload:
        target = t.minErr - 0.05 * span();
        break;
    }
    return rest + (target - rest) * pulse;
}

void SimulatedCell::step(double seconds, QRandomGenerator &random)
{
    m_time += seconds;
    // The resting load wanders slowly, as when material settles on a crane hook.
    m_restShare = std::clamp(m_restShare + 0.004 * noise(random) * std::sqrt(seconds), 0.15, 0.8);
    m_weight = excursion() + 0.003 * span() * noise(random);

    if (m_spellLeft > 0) {
        m_spellLeft -= seconds;
        if (m_spellLeft <= 0) {
            m_state = 1;
            m_errorNb = 0;
        }
        return;
    }
    const double draw = random.generateDouble();
    if (draw < FaultRate * seconds) {
        m_state = 3;
        m_errorNb = static_cast<quint8>(1 + random.bounded(9));
        m_spellLeft = uniform(random, 3, 10);
    } else if (draw < (FaultRate + OfflineRate) * seconds) {
        m_state = 0;
        m_spellLeft = uniform(random, 3, 10);
    }
}

HubCellRecord SimulatedCell::record() const
{
    HubCellRecord r;
    r.cellIndex = m_index;
    r.state = m_state;
    r.errorNb = m_errorNb;
    r.boxType = m_boxType;
    // An offline cell has nothing to report.
    const double weight = m_state == 0 ? 0.0 : std::round(m_weight);
    r.weight = static_cast<qint16>(std::clamp(weight, double(std::numeric_limits<qint16>::min()),
                                              double(std::numeric_limits<qint16>::max())));
    return r;
}
