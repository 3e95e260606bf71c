// A close request to the window ends the program at once, even while a message is open.
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>

class QWidget;

// Qt drops a close request (the title bar's button: WM_DELETE_WINDOW on X11, WM_CLOSE on
// Windows) to a window that a modal window blocks, before any handler sees it, so the window
// would stay open after its message is answered. This filter reads the request where the
// platform delivers it, and while a modal window is open it ends the program, message and all;
// without one, Qt closes the window itself. Install it once the window is shown.
class CloseRequestFilter final : public QAbstractNativeEventFilter {
  public:
    explicit CloseRequestFilter(QWidget* window);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    QWidget* window_;
    std::uint32_t protocolsAtom_ = 0;  // X11: WM_PROTOCOLS and WM_DELETE_WINDOW
    std::uint32_t deleteAtom_ = 0;
};
