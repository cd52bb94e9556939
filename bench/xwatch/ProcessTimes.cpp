#include "ProcessTimes.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// /proc/PID/stat counts CPU time in ticks of 10 ms, too coarse for an idle
// minute or a one-second fade; each thread's schedstat has nanoseconds.
static bool readThread(const std::filesystem::path &task, ThreadTimes &times)
{
    std::ifstream schedstat(task / "schedstat");
    unsigned long long nanoseconds = 0;
    if (!(schedstat >> nanoseconds))
        return false; // the thread ended while the folder was read
    times.cpuMilliseconds = static_cast<double>(nanoseconds) / 1e6;

    std::ifstream status(task / "status");
    std::string key;
    while (status >> key) {
        if (key == "voluntary_ctxt_switches:")
            status >> times.wakeUps;
        else if (key == "nonvoluntary_ctxt_switches:")
            status >> times.preemptions;
    }
    return true;
}

ProcessTimes readProcessTimes(pid_t pid)
{
    ProcessTimes threads;
    const std::filesystem::path tasks = std::filesystem::path("/proc") / std::to_string(pid) / "task";
    std::error_code error;
    for (const auto &task : std::filesystem::directory_iterator(tasks, error)) {
        ThreadTimes times;
        if (readThread(task.path(), times))
            threads[std::stoi(task.path().filename())] = times;
    }
    if (error || threads.empty())
        throw std::runtime_error("no process " + std::to_string(pid));
    return threads;
}

ThreadTimes spentBetween(const ProcessTimes &before, const ProcessTimes &after)
{
    ThreadTimes spent;
    for (const auto &[thread, now] : after) {
        const auto then = before.find(thread);
        const ThreadTimes start = then == before.end() ? ThreadTimes {} : then->second;
        spent.cpuMilliseconds += now.cpuMilliseconds - start.cpuMilliseconds;
        spent.wakeUps += now.wakeUps - start.wakeUps;
        spent.preemptions += now.preemptions - start.preemptions;
    }
    return spent;
}
