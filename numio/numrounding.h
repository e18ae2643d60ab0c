// Rounding of a value to the integer a numeric field writes.
#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace vok {

// The value rounded to the nearest integer (halves to even), kept within
// 64 bits; NaN gives 0.
inline qint64 RoundedInt64(double Value)
{
    if (std::isnan(Value))
        return 0;
    const double R = std::nearbyint(Value);
    if (R >= 9223372036854775807.0)
        return std::numeric_limits<qint64>::max();
    if (R <= -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(R);
}

// The rounded value taken as 32 bits (the low bits of the 64-bit integer).
inline qint32 RoundedBits32(double Value) { return qint32(quint32(quint64(RoundedInt64(Value)))); }

} // namespace vok
