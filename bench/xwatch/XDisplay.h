#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <sys/types.h>

// The connection to the X server named by $DISPLAY, with the few requests
// xwatch makes and a wait for events that never polls: it sleeps until the
// server sends something, the watched process ends or the deadline passes.
class XDisplay
{
public:
    using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;
    using Wanted = std::function<bool(const xcb_generic_event_t &)>;

    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    int fileDescriptor() const;
    xcb_window_t root() const { return m_root; }
    xcb_atom_t atom(const char *name);
    // The first CARDINAL of a property, or -1 where the window has none.
    long long cardinal(xcb_window_t window, xcb_atom_t property);

    // Without a window manager every top-level window is a child of the
    // root, so the root's substructure events tell of each one's map.
    void watchTopLevels();
    void watch(xcb_window_t window, uint32_t eventMask);

    // Presses and releases the first mouse button at X,Y of the window's
    // client area, through XTest, as a hand would; beforeRelease runs just
    // before the release is sent (Qt acts on the release).
    void click(xcb_window_t window, int x, int y, const std::function<void()> &beforeRelease = {});

    // Waits for the first event that `wanted` accepts and drops the others.
    // Throws std::runtime_error when the process behind processFd ends, at
    // the deadline (a monotonic time in milliseconds) or on a broken
    // connection.
    Event waitFor(const Wanted &wanted, double deadline, int processFd);

    // Returns once the server has handled every request sent before.
    void sync();

private:
    xcb_connection_t *m_connection;
    xcb_window_t m_root = 0;
};

// The event's type without the bit that marks a sent event.
inline int eventType(const xcb_generic_event_t &event)
{
    return event.response_type & ~0x80;
}
