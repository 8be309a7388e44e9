#include "statistics.h"

#include <algorithm>

namespace bench {

Summary summarize(QList<double> values)
{
    if (values.isEmpty())
        return {0.0, 0.0, 0.0, 0};
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    const double median =
        values.size() % 2 != 0 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2.0;
    return {median, values.constFirst(), values.constLast(), values.size()};
}

} // namespace bench
