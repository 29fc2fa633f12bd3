#include "platform/qt/stay_on_top.h"

#include <QWidget>
#include <QWindow>

namespace arvok {

void SetStayOnTop(QWidget* window, bool onTop) {
    if (IsStayOnTop(window) == onTop)
        return;
    // The flag is handed to the window system as it stands: the window is not taken off the
    // screen and shown again, as a change of the widget's flags would, so it stays where it is,
    // at its size, and keeps the focus or goes without it as before.
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle())
        handle->setFlags(flags);
}

bool IsStayOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace arvok
