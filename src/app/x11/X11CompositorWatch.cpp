#include "X11CompositorWatch.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <memory>

namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// The screen number DISPLAY names (":0.1" is screen 1); Qt's default.
int screenNumber() {
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype colon = display.lastIndexOf(':');
    const qsizetype dot = display.indexOf('.', colon);
    return dot < 0 ? 0 : display.mid(dot + 1).toInt();
}

xcb_screen_t *screenAt(xcb_connection_t *connection, int number) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i)
        if (i == number)
            return it.data;
    return nullptr;
}

} // namespace

X11CompositorWatch::X11CompositorWatch(QObject *parent)
    : CompositorWatch(parent) {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    xcb_connection_t *connection = x11->connection();
    const int number = screenNumber();
    xcb_screen_t *screen = screenAt(connection, number);
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (screen == nullptr || xfixes == nullptr || !xfixes->present)
        return;
    ReplyPtr<xcb_xfixes_query_version_reply_t> version(
        xcb_xfixes_query_version_reply(connection, xcb_xfixes_query_version(connection, 1, 0),
                                       nullptr),
        &std::free);
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(number);
    ReplyPtr<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 0, uint16_t(name.size()), name.data()),
                              nullptr),
        &std::free);
    if (!version || !atom)
        return;
    connection_ = connection;
    selection_ = atom->atom;
    selectionNotify_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    xcb_xfixes_select_selection_input(connection, screen->root, selection_,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(connection);
    active_ = ownerExists();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11CompositorWatch::~X11CompositorWatch() {
    if (connection_ != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11CompositorWatch::ownerExists() const {
    ReplyPtr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selection_),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

bool X11CompositorWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != selectionNotify_)
        return false;
    const auto *notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
    if (notify->selection != selection_)
        return false;
    const bool active = notify->owner != XCB_WINDOW_NONE;
    if (active != active_) {
        active_ = active;
        emit changed(active);
    }
    return false; // Qt follows the compositor too
}
