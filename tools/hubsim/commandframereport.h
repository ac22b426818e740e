#ifndef COMMANDFRAMEREPORT_H
#define COMMANDFRAMEREPORT_H

#include <QByteArray>
#include <QJsonObject>

// What a hub received, as one JSON object for a line of the simulator's
// output: the frame header, and for the two commands the program sends, their
// meaning. "kind" is "display" (the 36-byte display command with its flag
// byte), "thresholds" (the threshold download, with the document), "other"
// (any other payload, in hex) or "invalid" (too short or without the marker).
namespace CommandFrameReport {

QJsonObject describe(const QByteArray &frame, quint16 expectedTag);

} // namespace CommandFrameReport

#endif
