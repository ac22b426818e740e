#ifndef REPLAYWRITER_H
#define REPLAYWRITER_H

#include "tools/hubsim/simulatedhub.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// Writes simulated datagrams as a replay folder: one CSV file, one datagram
// per line, the time text first, then every byte as a decimal number. Ticks
// follow each other at 1/rate seconds; each tick has one line per hub.
class ReplayWriter
{
public:
    static QString fileName();
    static QString timeText(const QDateTime &time);
    static QByteArray line(const QString &time, const QByteArray &datagram);

    // Writes `ticks` ticks of `hubs` to folder/fileName(), replacing an older
    // file only once the new one is complete. Returns false with a message in
    // `error` when the folder or file cannot be written.
    static bool write(const QString &folder, QVector<SimulatedHub> &hubs, int ticks, double rate,
                      const QDateTime &start, QString *error);
};

#endif
