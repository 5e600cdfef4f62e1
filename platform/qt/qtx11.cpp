// SPDX-License-Identifier: MIT
// qtx11.cpp: window-manager hints and questions on the X connection Qt opened.
#include "qtx11.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace platform::x11 {

namespace {

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template<typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, false, std::strlen(name), name), nullptr),
            &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A property of 32-bit items; empty when it is not set.
std::vector<std::uint32_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(c, xcb_get_property(c, false, window, name, type, 0, 1024),
                                   nullptr),
            &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *items = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t root(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// A window manager sets the property within milliseconds of being asked, or of mapping the window.
std::optional<QMargins> waitForFrameExtents(xcb_connection_t *c, xcb_window_t window)
{
    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    for (QDeadlineTimer deadline(200); !deadline.hasExpired(); QThread::msleep(1)) {
        const auto e = property(c, window, extents, XCB_ATOM_CARDINAL);
        if (e.size() == 4) // left, right, top, bottom
            return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
    }
    return std::nullopt;
}

bool supported(xcb_connection_t *c, xcb_atom_t hint)
{
    const auto hints = property(c, root(c), atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::find(hints.begin(), hints.end(), hint) != hints.end();
}

} // namespace

void skipTaskbar(QWidget &window)
{
    xcb_connection_t *c = connection();
    if (!c)
        return;
    // Qt adds its own states to these when it shows the window.
    const xcb_atom_t states[]
            = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), atom(c, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(c, XCB_PROP_MODE_APPEND, window.winId(), atom(c, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 2, states);
}

std::optional<QMargins> requestFrameExtents(QWidget &window)
{
    xcb_connection_t *c = connection();
    const xcb_atom_t request
            = c ? atom(c, "_NET_REQUEST_FRAME_EXTENTS") : xcb_atom_t(XCB_ATOM_NONE);
    if (!c || !supported(c, request))
        return std::nullopt;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window.winId();
    message.type = request;
    xcb_send_event(c, false, root(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
    return waitForFrameExtents(c, message.window);
}

std::optional<QMargins> frameExtents(QWidget &window)
{
    xcb_connection_t *c = connection();
    if (!c || !supported(c, atom(c, "_NET_FRAME_EXTENTS")))
        return std::nullopt;
    return waitForFrameExtents(c, window.winId());
}

} // namespace platform::x11
