#ifndef THRESHOLDENTRY_H
#define THRESHOLDENTRY_H

#include <QString>

#include <optional>

// An absolute threshold typed on the table settings panel, in the display
// unit, becomes kg for the controller's setters: a value above the cell's
// capacity (in the display unit) is the capacity itself, so no threshold is
// ever set beyond what the cell can weigh.
namespace ThresholdEntry {

double toKg(double shown, int typeCode, double conFactor);

// A field's text as a number; nothing for an empty or non-numeric field.
std::optional<double> fieldValue(const QString &text);

// Longest device name: 8 characters in Chinese, 16 in English.
int nameLimit(bool chinese);

} // namespace ThresholdEntry

#endif
