#include "platform/qt/window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace arvok {

namespace {

const char* const kArmedProperty = "arvokDragArmed";

std::function<void(QWindow*)>& SystemMove() {
    static std::function<void(QWindow*)> move;
    return move;
}

class WindowDrag : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove)
            return false;
        auto* handle = static_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (handle->childAt(mouse->position().toPoint()))
            return false;
        if (type == QEvent::MouseButtonPress) {
            handle->setProperty(kArmedProperty, mouse->button() == Qt::LeftButton);
        } else if (mouse->buttons() == Qt::LeftButton &&
                   handle->property(kArmedProperty).toBool()) {
            // A window system asked again while it moves the window may take the second request
            // after the release and go on moving the window with no button held.
            handle->setProperty(kArmedProperty, false);
            QWindow* window = handle->window()->windowHandle();
            if (!window)
                return false;
            if (SystemMove())
                SystemMove()(window);
            else
                window->startSystemMove();
        }
        return false;
    }
};

} // namespace

void SetSystemMove(std::function<void(QWindow*)> move) {
    SystemMove() = std::move(move);
}

void DragsWindow(QWidget* handle) {
    static WindowDrag* drag = new WindowDrag;
    handle->installEventFilter(drag);
}

} // namespace arvok
