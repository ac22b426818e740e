#ifndef SIMULATEDHUB_H
#define SIMULATEDHUB_H

#include "tools/hubsim/simulatedcell.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

// One hub: the cells 1..M of its page, listed in index order in every datagram
// it multicasts. A threshold download for its hub ID updates the limits its
// cells move against.
class SimulatedHub
{
public:
    SimulatedHub(int page, int cellCount, quint32 seed);

    int page() const { return m_page; }
    quint16 tag() const;
    const QVector<SimulatedCell> &cells() const { return m_cells; }

    void step(double seconds);
    // The next datagram; each one carries the next serial number.
    QByteArray nextDatagram();

    // Applies a threshold document ({"VornCellList": [...], "VornHubId": n});
    // returns the number of this hub's cells it set, or -1 when the text is
    // not such a document.
    int applyThresholdDocument(const QByteArray &document);

private:
    int m_page;
    QRandomGenerator m_random;
    QVector<SimulatedCell> m_cells;
    quint16 m_serial = 0;
};

#endif
