#ifndef SAMPLINGRATE_H
#define SAMPLINGRATE_H

#include <QStringList>
#include <QtGlobal>

// The recording intervals offered on the settings page: 2 s, 1 s and 0.5 s,
// stored in the project as the position in that list. The recorder drops a
// sample that comes less than its saveTick after the last written line, so
// saveTick is half the interval: every tick of the recording timer passes even
// when the event loop delays it a little.
namespace SamplingRate {

constexpr int DefaultIndex = 1;

QStringList choices();
bool validIndex(int index);
// 1000 × the chosen seconds; the default interval for an unknown index.
int intervalMs(int index);
// 500 × the chosen seconds.
qulonglong saveTick(int index);
// The position stored in a project: a whole number 0 to 2, else -1.
int indexFromStored(double stored);

} // namespace SamplingRate

#endif
