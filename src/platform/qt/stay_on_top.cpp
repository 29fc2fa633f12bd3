#include "platform/qt/stay_on_top.h"

#include <QWidget>

namespace arvok {

void SetStayOnTop(QWidget* window, bool onTop) {
    if (IsStayOnTop(window) == onTop)
        return;
    // Changing a window's flags takes it off the screen; a shown window is shown again where it
    // was, without taking the focus.
    const bool shown = window->isVisible();
    const QPoint at = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (!shown)
        return;
    const bool quiet = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->move(at);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

bool IsStayOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace arvok
