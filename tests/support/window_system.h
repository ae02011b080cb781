#pragma once
// A window's close as the window manager sends it (the title bar's close box,
// Alt+F4): queued in the window system's own event queue, the way no direct
// close() call goes, so a test meets a loop that holds such events back.
#include <QWidget>
#include <QWindow>

#include <dlfcn.h>

namespace ranvik::test {

// Queues the window manager's close for the widget's window; false when the
// widget has no window yet or Qt offers no way to.
inline bool QueueWindowSystemClose(QWidget& widget) {
    using Handler = bool (*)(QWindow*);
    // Qt's window-system interface exports it, though no public header
    // declares it: QWindowSystemInterface::handleCloseEvent<AsynchronousDelivery>.
    static const auto handler = reinterpret_cast<Handler>(
        dlsym(RTLD_DEFAULT, "_ZN22QWindowSystemInterface16handleCloseEventINS_20AsynchronousDeliveryEEEbP7QWindow"));
    QWindow* window = widget.windowHandle();
    if (handler == nullptr || window == nullptr) return false;
    handler(window);
    return true;
}

}  // namespace ranvik::test
