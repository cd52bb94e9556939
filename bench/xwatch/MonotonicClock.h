#pragma once

#include <chrono>

// Every time xwatch prints is a difference of two readings of this clock,
// which no change of the wall clock moves.
inline double monotonicMilliseconds()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
