#ifndef SERIALSIMULATOR_H
#define SERIALSIMULATOR_H

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

// Cells on the air as the receiver hears them: every tick each cell sends one
// advertisement with a slowly drifting, noisy weight; now and then a
// foreign device's advertisement and some line noise come in between.
class SerialSimulator
{
public:
    SerialSimulator(int cells, quint32 seed);

    // The receiver bytes of one tick, `seconds` after the start.
    QByteArray tick(double seconds);

    static quint64 cellAddress(int cell);

private:
    struct Cell
    {
        quint16 userId = 0;
        quint16 boxType = 0;
        double baseWeight = 0;
        double swing = 0;
        double periodSeconds = 1;
        quint16 sequence = 0;
        double battery = 100;
    };

    QByteArray cellFrame(Cell &cell, double seconds);
    QByteArray foreignFrame();

    QVector<Cell> m_cells;
    QRandomGenerator m_random;
    int m_ticks = 0;
};

#endif
