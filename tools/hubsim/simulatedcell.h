#ifndef SIMULATEDCELL_H
#define SIMULATEDCELL_H

#include "core/hubcellrecord.h"

#include <QRandomGenerator>

// One load cell behind a simulated hub. Its resting load drifts slowly and
// every reading carries a little noise; some cells are lifted past their upper
// thresholds or unloaded below their lower ones now and then, and any cell can
// report a fault or drop offline for a few seconds. All in raw device units.
class SimulatedCell
{
public:
    enum class Profile {
        Steady,       // stays between the warnings
        LiftToWarn,   // lifted into the upper warning band
        LiftToAlarm,  // lifted past the upper alarm
        Unload        // unloaded below both lower thresholds
    };

    struct Thresholds
    {
        double minErr = 0;
        double minWarn = 0;
        double maxWarn = 4000;
        double maxErr = 5000;
    };

    // Faults and offline spells per cell and second, on average.
    static constexpr double FaultRate = 1.0 / 400;
    static constexpr double OfflineRate = 1.0 / 400;

    SimulatedCell(quint16 index, QRandomGenerator &random);

    static Profile profileFor(quint16 index);

    void setThresholds(const Thresholds &thresholds);
    Thresholds thresholds() const { return m_thresholds; }
    Profile profile() const { return m_profile; }

    // Advances the cell by `seconds` of simulated time.
    void step(double seconds, QRandomGenerator &random);
    HubCellRecord record() const;

private:
    double excursion() const;
    double span() const;

    quint16 m_index;
    quint16 m_boxType;
    Profile m_profile;
    Thresholds m_thresholds;
    double m_restShare;    // resting load as a share of the upper warning
    double m_period;       // seconds between the starts of two excursions
    double m_time;         // seconds since the start, shifted by a random phase
    double m_weight = 0;
    quint8 m_state = 1;
    quint8 m_errorNb = 0;
    double m_spellLeft = 0; // seconds of fault or offline still to go
};

#endif
