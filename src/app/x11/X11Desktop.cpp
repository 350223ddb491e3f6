#include "X11Desktop.h"

#include "X11CompositorWatch.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window) {
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    return tree ? tree->root : xcb_window_t(XCB_WINDOW_NONE);
}

void tellWindowManager(xcb_connection_t *connection, xcb_window_t root, xcb_window_t window,
                       xcb_atom_t type, std::array<uint32_t, 3> data) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    for (std::size_t i = 0; i < data.size(); ++i)
        message.data.data32[i] = data[i];
    message.data.data32[3] = 1; // from an application
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
}

} // namespace

std::unique_ptr<DesktopPlatform> DesktopPlatform::forThisBuild() {
    return std::make_unique<X11Desktop>();
}

bool X11Desktop::displayOpens() const {
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool opens = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opens;
}

std::unique_ptr<CompositorWatch> X11Desktop::watchCompositor() {
    return std::make_unique<X11CompositorWatch>();
}

void X11Desktop::showOnAllDesktops(QWidget *window) {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    xcb_connection_t *connection = x11->connection();
    // The platform window's id, not the widget's: Qt may have replaced the
    // native window without telling the widget.
    window->winId(); // creates it when there is none yet
    const auto id = static_cast<xcb_window_t>(window->windowHandle()->winId());
    const xcb_window_t root = rootOf(connection, id);
    const xcb_atom_t netWmState = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t netWmDesktop = atom(connection, "_NET_WM_DESKTOP");
    // Above others is Qt's to state, from the panel's on-top flag, which the
    // file dialog lowers for a while.
    const std::array<xcb_atom_t, 3> wanted{atom(connection, "_NET_WM_STATE_STICKY"),
                                           atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                           atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    constexpr uint32_t allDesktops = 0xFFFFFFFF;

    // A running window manager acts on requests...
    for (xcb_atom_t state : wanted)
        tellWindowManager(connection, root, id, netWmState, {1 /* add */, state, 0});
    tellWindowManager(connection, root, id, netWmDesktop, {allDesktops, 0, 0});

    // ...and reads the properties of windows it finds when it starts.
    std::vector<xcb_atom_t> states;
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> current(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, netWmState, XCB_ATOM_ATOM, 0, 64),
            nullptr),
        &std::free);
    if (current && current->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(current.get()));
        states.assign(atoms, atoms + xcb_get_property_value_length(current.get()) / 4);
    }
    for (xcb_atom_t state : wanted)
        if (std::find(states.begin(), states.end(), state) == states.end())
            states.push_back(state);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmState, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmDesktop, XCB_ATOM_CARDINAL, 32,
                        1, &allDesktops);
    xcb_flush(connection);
}
