#include "Commands.h"
#include "ProcessTimes.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>

int spend(std::span<char *> words)
{
    if (words.size() != 2)
        throw std::runtime_error("usage: spend PID SECONDS");
    const pid_t pid = std::stoi(words[0]);
    const ProcessTimes before = readProcessTimes(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(std::stod(words[1])));
    const ThreadTimes spent = spentBetween(before, readProcessTimes(pid));
    std::printf("%.3f %lld %lld\n", spent.cpuMilliseconds, spent.wakeUps, spent.preemptions);
    return 0;
}
