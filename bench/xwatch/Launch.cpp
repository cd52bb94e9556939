#include "Commands.h"
#include "MonotonicClock.h"
#include "XDisplay.h"

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include "ProcessHandle.h"
#include <unistd.h>

extern char **environ;

static pid_t start(const char *log, std::span<char *> command, int keptFromChild)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, keptFromChild);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, command[0], &actions, nullptr, command.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error(std::string("cannot start ") + command[0]);
    return pid;
}

int launch(std::span<char *> words)
{
    if (words.size() < 3)
        throw std::runtime_error("usage: launch LOG TIMEOUT_S PROGRAM [ARGUMENT...]");
    const char *log = words[0];
    const double timeout = std::stod(words[1]) * 1000;
    // posix_spawnp wants the list closed by a null pointer, as argv is.
    const std::span<char *> command(words.data() + 2, words.size() - 2 + 1);

    XDisplay display;
    display.watchTopLevels();
    const xcb_atom_t pidProperty = display.atom("_NET_WM_PID");

    const double started = monotonicMilliseconds();
    const pid_t pid = start(log, command, display.fileDescriptor());
    const int processFd = openProcessHandle(pid);

    double mapped = 0;
    xcb_window_t window = 0;
    display.waitFor(
        [&](const xcb_generic_event_t &event) {
            if (eventType(event) != XCB_MAP_NOTIFY)
                return false;
            const auto &map = reinterpret_cast<const xcb_map_notify_event_t &>(event);
            if (map.override_redirect)
                return false; // a menu or a tooltip, not a window of its own
            mapped = monotonicMilliseconds();
            window = map.window;
            return display.cardinal(window, pidProperty) == pid;
        },
        started + timeout, processFd);
    close(processFd);

    std::printf("%d %u %.3f\n", pid, window, mapped - started);
    return 0;
}
