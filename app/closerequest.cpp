#include "app/closerequest.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace nablo {

CloseRequestFilter::CloseRequestFilter(QWidget& window, std::function<void(bool)> onClose)
    : window_(window), onClose_(std::move(onClose))
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const char name[] = "WM_DELETE_WINDOW";
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    if (xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr)) {
        deleteWindowAtom_ = reply->atom;
        std::free(reply);
    }
}

bool CloseRequestFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (deleteWindowAtom_ == 0 || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_CLIENT_MESSAGE: {
        const auto* client = static_cast<const xcb_client_message_event_t*>(message);
        if (client->format == 32 && client->data.data32[0] == deleteWindowAtom_
            && client->window == window_.winId())
            onClose_(false);
        return false; // Qt still handles it as usual when no box is open
    }
    case XCB_DESTROY_NOTIFY:
        // Qt takes no notice when another program destroys the window.
        if (static_cast<const xcb_destroy_notify_event_t*>(message)->window == window_.winId())
            onClose_(true);
        return false;
    default: return false;
    }
}

} // namespace nablo
