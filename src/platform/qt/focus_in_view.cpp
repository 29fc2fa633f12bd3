#include "platform/qt/focus_in_view.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace arvok {

namespace {

const char* const kOwnPolicyProperty = "arvokOwnFocusPolicy";

// Whether any part of "w" shows through every widget it sits on, up to its window.
bool InView(const QWidget* w) {
    QRect shown = w->rect();
    for (const QWidget* p = w; !p->isWindow(); p = p->parentWidget())
        shown = shown.translated(p->pos()) & p->parentWidget()->rect();
    return !shown.isEmpty();
}

void KeepFocusInView(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window)
            continue;
        const QVariant own = w->property(kOwnPolicyProperty);
        if (InView(w)) {
            if (own.isValid()) {
                w->setFocusPolicy(static_cast<Qt::FocusPolicy>(own.toInt()));
                w->setProperty(kOwnPolicyProperty, QVariant());
            }
        } else if (w->focusPolicy() != Qt::NoFocus) {
            w->setProperty(kOwnPolicyProperty, static_cast<int>(w->focusPolicy()));
            w->setFocusPolicy(Qt::NoFocus);
        }
    }
    if (QWidget* focused = window->focusWidget(); focused && !InView(focused))
        focused->clearFocus();
}

class FocusInView : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            KeepFocusInView(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void KeepsFocusInView(QWidget* window) {
    static FocusInView* keeper = new FocusInView;
    window->installEventFilter(keeper);
}

} // namespace arvok
