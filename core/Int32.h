#pragma once

#include <QtGlobal>

#include <limits>

// The work period's counters are signed 32-bit. Sums on them are taken in 64
// bits and brought back with saturation, so an absurd minutes entry never
// wraps around into a short or negative period.
namespace Int32 {

constexpr qint32 saturate(qint64 value)
{
    if (value > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (value < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(value);
}

constexpr qint32 saturatingIncrement(qint32 value)
{
    return saturate(qint64(value) + 1);
}

} // namespace Int32
