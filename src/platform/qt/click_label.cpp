#include "platform/qt/click_label.h"

#include <QMouseEvent>

#include "platform/qt/geometry.h"

namespace arvok {

ClickLabel::ClickLabel(QWidget* parent, const QString& text) : QLabel(text, parent) {
    setMouseTracking(true);
}

void ClickLabel::setHoverColors(std::uint32_t normal, std::uint32_t hover) {
    normal_ = normal;
    hover_ = hover;
    SetForeColor(this, normal);
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

void ClickLabel::enterEvent(QEnterEvent* e) {
    if (hover_)
        SetForeColor(this, *hover_);
    QLabel::enterEvent(e);
}

void ClickLabel::leaveEvent(QEvent* e) {
    if (normal_)
        SetForeColor(this, *normal_);
    QLabel::leaveEvent(e);
}

} // namespace arvok
