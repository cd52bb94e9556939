#pragma once

#include <cstdio>
#include <cstdlib>

// A property of a fuzz target: when it does not hold, the input is a fault
// like any crash, so the target aborts and libFuzzer keeps the input. Not
// Q_ASSERT: that is compiled out of release builds, and these run in one.
#define FUZZ_EXPECT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
