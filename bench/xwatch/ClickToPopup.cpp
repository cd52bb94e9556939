#include "Commands.h"
#include "MonotonicClock.h"
#include "ProcessTimes.h"
#include "XDisplay.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include "ProcessHandle.h"
#include <unistd.h>

// How long after its map the popup may take to fade and go: its display
// time, the fade, and room for a slow machine.
static constexpr double fadeDeadline = 30'000;

int clickToPopup(std::span<char *> words)
{
    if (words.size() != 5)
        throw std::runtime_error("usage: click-popup PID WINDOW X Y TIMEOUT_S");
    const pid_t pid = std::stoi(words[0]);
    const auto mainWindow = static_cast<xcb_window_t>(std::stoul(words[1]));
    const int x = std::stoi(words[2]), y = std::stoi(words[3]);
    const double timeout = std::stod(words[4]) * 1000;

    XDisplay display;
    display.watchTopLevels();
    const xcb_atom_t pidProperty = display.atom("_NET_WM_PID");
    const xcb_atom_t opacityProperty = display.atom("_NET_WM_WINDOW_OPACITY");
    const int processFd = openProcessHandle(pid);
    if (processFd < 0)
        throw std::runtime_error("no process " + std::to_string(pid));

    double clicked = 0;
    display.click(mainWindow, x, y, [&] { clicked = monotonicMilliseconds(); });

    double mapped = 0;
    xcb_window_t popup = 0;
    display.waitFor(
        [&](const xcb_generic_event_t &event) {
            if (eventType(event) != XCB_MAP_NOTIFY)
                return false;
            const auto &map = reinterpret_cast<const xcb_map_notify_event_t &>(event);
            if (map.window == mainWindow)
                return false;
            mapped = monotonicMilliseconds();
            popup = map.window;
            return display.cardinal(popup, pidProperty) == pid;
        },
        clicked + timeout, processFd);

    // The fade sets the popup's opacity step by step, each step a change of
    // this property; it ends when the popup is unmapped or destroyed.
    display.watch(popup, XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    double fadeStart = 0;
    ProcessTimes atFadeStart;
    display.waitFor(
        [&](const xcb_generic_event_t &event) {
            if (eventType(event) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto &change = reinterpret_cast<const xcb_property_notify_event_t &>(event);
            if (change.window != popup || change.atom != opacityProperty)
                return false;
            fadeStart = monotonicMilliseconds();
            atFadeStart = readProcessTimes(pid);
            return true;
        },
        mapped + fadeDeadline, processFd);

    double fadeEnd = 0;
    ProcessTimes atFadeEnd;
    display.waitFor(
        [&](const xcb_generic_event_t &event) {
            const int type = eventType(event);
            if (type != XCB_UNMAP_NOTIFY && type != XCB_DESTROY_NOTIFY)
                return false;
            // Unmap and destroy events share the layout of their first fields.
            if (reinterpret_cast<const xcb_unmap_notify_event_t &>(event).window != popup)
                return false;
            fadeEnd = monotonicMilliseconds();
            atFadeEnd = readProcessTimes(pid);
            return true;
        },
        mapped + fadeDeadline, processFd);
    close(processFd);

    std::printf("%.3f %.3f %.3f\n", mapped - clicked, fadeEnd - fadeStart,
                spentBetween(atFadeStart, atFadeEnd).cpuMilliseconds);
    return 0;
}
