#pragma once

#include <QList>

namespace bench {

// The middle of a set of measurements: robust against the odd run that a
// busy machine slows down.
struct Summary
{
    double median;
    double min;
    double max;
    qsizetype count;
};

// The median is the mean of the two middle values for an even count.
// An empty set gives zeros.
Summary summarize(QList<double> values);

} // namespace bench
