#include "platform/qt/geometry.h"

namespace arvok {

namespace {
// The text of a disabled control (&H808080).
constexpr std::uint32_t kGrayText = 0x808080;
} // namespace

TwipRect GetTwips(const QWidget* w) {
    return {PxToTwips(w->y()), PxToTwips(w->x()), PxToTwips(w->width()), PxToTwips(w->height())};
}

void SetTwipsPos(QWidget* w, int top, int left) {
    w->move(TwipsToPx(left), TwipsToPx(top));
}

void SetTwipsSize(QWidget* w, int width, int height) {
    w->resize(TwipsToPx(width), TwipsToPx(height));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

void SetBackColor(QWidget* w, std::uint32_t bgr) {
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), VbColor(bgr));
    p.setColor(QPalette::Base, VbColor(bgr));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void SetForeColor(QWidget* w, std::uint32_t bgr) {
    QPalette p = w->palette();
    for (QPalette::ColorRole role : {w->foregroundRole(), QPalette::Text, QPalette::WindowText}) {
        p.setColor(QPalette::Active, role, VbColor(bgr));
        p.setColor(QPalette::Inactive, role, VbColor(bgr));
        p.setColor(QPalette::Disabled, role, VbColor(kGrayText));
    }
    w->setPalette(p);
}

} // namespace arvok
