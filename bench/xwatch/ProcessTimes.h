#pragma once

#include <map>
#include <sys/types.h>

// What one thread has spent so far.
struct ThreadTimes
{
    double cpuMilliseconds = 0; // on a processor, from the scheduler's nanosecond count
    long long wakeUps = 0; // voluntary context switches: each is a sleep ended by a wake-up
    long long preemptions = 0; // involuntary context switches
};

// A process's threads by thread id, read from /proc/PID/task. Throws
// std::runtime_error when the process is gone.
using ProcessTimes = std::map<pid_t, ThreadTimes>;
ProcessTimes readProcessTimes(pid_t pid);

// What the process spent between two readings, summed over its threads. A
// thread born in between counts whole; one that ended in between is left
// out, as /proc keeps nothing of it: for Qt's pooled threads, which end after
// half a minute of idleness, that is their last wake-up.
ThreadTimes spentBetween(const ProcessTimes &before, const ProcessTimes &after);
