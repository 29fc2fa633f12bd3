#include "platform/qt/click_label.h"

#include <QMouseEvent>

namespace arvok {

ClickLabel::ClickLabel(QWidget* parent, const QString& text) : QLabel(text, parent) {
    setMouseTracking(true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(e);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved();
    QLabel::mouseMoveEvent(e);
}

} // namespace arvok
