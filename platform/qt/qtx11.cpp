// SPDX-License-Identifier: MIT
// qtx11.cpp: window-manager hints and questions on the X connection Qt opened.
#include "qtx11.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

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
std::vector<std::uint32_t> readProperty(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
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

namespace {

// Watches Qt's X events for the window manager setting a window's frame extents.
class FrameWatch final : public QObject, public QAbstractNativeEventFilter
{
public:
    FrameWatch(QWidget &window, std::function<void(const QMargins &)> framed)
        : QObject(&window), window(window), extents(atom(connection(), "_NET_FRAME_EXTENTS")),
          framed(std::move(framed))
    {
        qApp->installNativeEventFilter(this);
    }
    ~FrameWatch() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
        if (change->window != window.winId() || change->atom != extents)
            return false;
        const auto e = readProperty(connection(), change->window, extents, XCB_ATOM_CARDINAL);
        if (e.size() == 4) { // left, right, top, bottom
            framed(QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3])));
            deleteLater();
        }
        return false;
    }

private:
    QWidget &window;
    const xcb_atom_t extents;
    const std::function<void(const QMargins &)> framed;
};

} // namespace

bool whenFramed(QWidget &window, std::function<void(const QMargins &)> framed)
{
    xcb_connection_t *c = connection();
    // A window manager names its check window on the root; with none, nothing frames a window.
    const xcb_window_t root = c ? xcb_setup_roots_iterator(xcb_get_setup(c)).data->root : 0;
    if (!c || readProperty(c, root, atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW).empty())
        return false;
    new FrameWatch(window, std::move(framed));
    return true;
}

std::optional<QPoint> position(QWidget &window)
{
    xcb_connection_t *c = connection();
    if (!c)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const Owned<xcb_translate_coordinates_reply_t> reply(
            xcb_translate_coordinates_reply(
                    c, xcb_translate_coordinates(c, window.winId(), root, 0, 0), nullptr),
            &std::free);
    if (!reply)
        return std::nullopt;
    // The X server counts the screen's own pixels.
    const qreal ratio = window.windowHandle()->devicePixelRatio();
    return QPoint(qRound(reply->dst_x / ratio), qRound(reply->dst_y / ratio));
}

namespace {

class PositionKeeper final : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit PositionKeeper(QWidget &window) : QObject(&window), window(window)
    {
        qApp->installNativeEventFilter(this);
    }
    ~PositionKeeper() override { qApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_map_notify_event_t *>(message);
        const int kind = event->response_type & 0x7F;
        const xcb_window_t id = window.internalWinId();
        if (kind == XCB_REPARENT_NOTIFY && event->window == id) {
            // The frame's maps and moves are told to the program too.
            frame = static_cast<const xcb_reparent_notify_event_t *>(message)->parent;
            const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection(), frame, XCB_CW_EVENT_MASK, &mask);
        }
        if ((kind == XCB_MAP_NOTIFY || kind == XCB_CONFIGURE_NOTIFY)
            && (event->window == id || (frame != 0 && event->window == frame)))
            QTimer::singleShot(0, this, [this] { tellWhereShown(); }); // once Qt has taken it
        return false;
    }

private:
    // Tells Qt where the window is, if it shows and Qt has it elsewhere, as a window manager
    // would: by a synthetic ConfigureNotify.
    void tellWhereShown()
    {
        xcb_connection_t *c = connection();
        const xcb_window_t id = window.internalWinId();
        const Owned<xcb_get_window_attributes_reply_t> state(
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr),
                &std::free);
        const Owned<xcb_get_geometry_reply_t> size(
                xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr), &std::free);
        const std::optional<QPoint> at = position(window);
        if (!state || state->map_state != XCB_MAP_STATE_VIEWABLE || !size || !at
            || *at == window.windowHandle()->position())
            return;
        const qreal ratio = window.windowHandle()->devicePixelRatio();
        xcb_configure_notify_event_t told{};
        told.response_type = XCB_CONFIGURE_NOTIFY;
        told.event = told.window = id;
        told.x = std::int16_t(qRound(at->x() * ratio));
        told.y = std::int16_t(qRound(at->y() * ratio));
        told.width = size->width;
        told.height = size->height;
        xcb_send_event(c, false, id, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&told));
        xcb_flush(c);
    }

    QWidget &window;
    xcb_window_t frame = 0;
};

} // namespace

void keepPositionTrue(QWidget &window)
{
    if (connection())
        new PositionKeeper(window);
}

ServerGrab::ServerGrab()
{
    if (xcb_connection_t *c = connection())
        xcb_grab_server(c);
}

ServerGrab::~ServerGrab()
{
    if (xcb_connection_t *c = connection()) {
        xcb_ungrab_server(c);
        xcb_flush(c);
    }
}

void setCentreGravity(QWidget &window)
{
    xcb_connection_t *c = connection();
    if (!c)
        return;
    // WM_NORMAL_HINTS: 18 items, flags first and the gravity last.
    constexpr std::uint32_t winGravityFlag = 1 << 9;
    constexpr std::uint32_t centreGravity = 5;
    std::vector<std::uint32_t> hints
            = readProperty(c, window.winId(), XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS);
    hints.resize(18);
    hints[0] |= winGravityFlag;
    hints[17] = centreGravity;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window.winId(), XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, std::uint32_t(hints.size()), hints.data());
}

} // namespace platform::x11
