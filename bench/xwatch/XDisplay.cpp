#include "XDisplay.h"

#include "MonotonicClock.h"

#include <xcb/xtest.h>

#include <algorithm>
#include <cmath>
#include <poll.h>
#include <stdexcept>
#include <string>

template<typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

XDisplay::XDisplay()
    : m_connection(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        throw std::runtime_error("cannot connect to the X display $DISPLAY");
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

XDisplay::~XDisplay()
{
    xcb_disconnect(m_connection);
}

int XDisplay::fileDescriptor() const
{
    return xcb_get_file_descriptor(m_connection);
}

xcb_atom_t XDisplay::atom(const char *name)
{
    const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::char_traits<char>::length(name)), name);
    const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr), &std::free);
    if (!reply)
        throw std::runtime_error(std::string("cannot intern the atom ") + name);
    return reply->atom;
}

long long XDisplay::cardinal(xcb_window_t window, xcb_atom_t property)
{
    const auto cookie = xcb_get_property(m_connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 1);
    const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, nullptr),
                                                       &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return -1;
    return *static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
}

void XDisplay::watchTopLevels()
{
    watch(m_root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
}

void XDisplay::watch(xcb_window_t window, uint32_t eventMask)
{
    xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &eventMask);
    sync();
}

void XDisplay::click(xcb_window_t window, int x, int y, const std::function<void()> &beforeRelease)
{
    const auto cookie = xcb_translate_coordinates(m_connection, window, m_root, static_cast<int16_t>(x),
                                                  static_cast<int16_t>(y));
    const ReplyPointer<xcb_translate_coordinates_reply_t> onRoot(
        xcb_translate_coordinates_reply(m_connection, cookie, nullptr), &std::free);
    if (!onRoot)
        throw std::runtime_error("no window " + std::to_string(window));
    xcb_test_fake_input(m_connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, onRoot->dst_x,
                        onRoot->dst_y, 0);
    xcb_test_fake_input(m_connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    sync();
    if (beforeRelease)
        beforeRelease();
    xcb_test_fake_input(m_connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    sync();
}

XDisplay::Event XDisplay::waitFor(const Wanted &wanted, double deadline, int processFd)
{
    for (;;) {
        // Events a reply brought along wait in xcb's queue, not in the socket:
        // they are taken first.
        while (Event event {xcb_poll_for_event(m_connection), &std::free}) {
            if (wanted(*event))
                return event;
        }
        if (xcb_connection_has_error(m_connection))
            throw std::runtime_error("the X connection broke");

        const double left = deadline - monotonicMilliseconds();
        if (left <= 0)
            throw std::runtime_error("timed out");
        pollfd sources[] {{fileDescriptor(), POLLIN, 0}, {processFd, POLLIN, 0}};
        if (poll(sources, processFd >= 0 ? 2 : 1, static_cast<int>(std::ceil(left))) > 0 && sources[1].revents)
            throw std::runtime_error("the process ended");
    }
}

void XDisplay::sync()
{
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}
