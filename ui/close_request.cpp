#include "close_request.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#ifdef TRIANGLE30_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>
#endif
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef TRIANGLE30_XCB
std::uint32_t InternAtom(xcb_connection_t* connection, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const std::uint32_t atom = reply != nullptr ? reply->atom : 0;
    std::free(reply);  // NOLINT(cppcoreguidelines-no-malloc): xcb allocates with malloc
    return atom;
}
#endif

// Ends the program if a modal window blocks the window; otherwise Qt handles the request.
bool EndIfBlocked() {
    if (QGuiApplication::modalWindow() == nullptr) {
        return false;
    }
    QCoreApplication::quit();
    return true;
}

}  // namespace

CloseRequestFilter::CloseRequestFilter(QWidget* window) : window_(window) {
#ifdef TRIANGLE30_XCB
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        protocolsAtom_ = InternAtom(x11->connection(), "WM_PROTOCOLS");
        deleteAtom_ = InternAtom(x11->connection(), "WM_DELETE_WINDOW");
    }
#endif
}

bool CloseRequestFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                           qintptr* /*result*/) {
#ifdef TRIANGLE30_XCB
    if (deleteAtom_ != 0 && eventType == "xcb_generic_event_t") {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
            const auto* client = static_cast<const xcb_client_message_event_t*>(message);
            if (client->window == window_->winId() && client->type == protocolsAtom_ &&
                client->data.data32[0] == deleteAtom_) {
                return EndIfBlocked();
            }
        }
    }
#endif
#ifdef _WIN32
    if (eventType == "windows_generic_MSG") {
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_CLOSE && msg->hwnd == reinterpret_cast<HWND>(window_->winId())) {
            return EndIfBlocked();
        }
    }
#endif
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
}
