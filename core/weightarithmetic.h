#ifndef WEIGHTARITHMETIC_H
#define WEIGHTARITHMETIC_H

// The integer arithmetic of totals, group sums and published values. Net
// values are doubles (reading less a tare); whatever a tare or threshold holds,
// the results stay within int instead of overflowing.
class WeightArithmetic
{
public:
    // The running sum after adding `net`: the integer part (towards zero) of
    // net + sum. Two members of 1.5 thus give 2, not 3.
    static int addTruncated(int sum, double net);

    // A raw value in display units: raw × factor rounded to the nearest
    // integer, halves upwards (2.5 gives 3, -2.5 gives -2).
    static int scaled(double raw, double factor);
};

#endif
