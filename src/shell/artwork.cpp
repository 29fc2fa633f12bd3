#include "shell/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include "platform/qt/geometry.h"

namespace arvok {

namespace {
constexpr std::uint32_t kDeepBlue = 0x602010;
constexpr std::uint32_t kGold = 0x30C0F0;
constexpr std::uint32_t kSteel = 0xBF8585;
constexpr std::uint32_t kPale = 0xCE9494;
} // namespace

QPixmap LogoPixmap() {
    QPixmap pixmap(141, 45);
    pixmap.fill(VbColor(kDeepBlue));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("Sans Serif");
    font.setBold(true);
    font.setPixelSize(30);
    p.setFont(font);
    p.setPen(VbColor(kSteel));
    p.drawText(pixmap.rect().translated(2, 2), Qt::AlignCenter, "ARVOK");
    p.setPen(VbColor(kGold));
    p.drawText(pixmap.rect(), Qt::AlignCenter, "ARVOK");
    return pixmap;
}

QPixmap BarPixmap(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, width, 0);
    gradient.setColorAt(0, VbColor(kDeepBlue));
    gradient.setColorAt(0.5, VbColor(kPale));
    gradient.setColorAt(1, VbColor(kDeepBlue));
    p.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

QPixmap ArrowPixmap(bool up) {
    QPixmap pixmap(22, 13);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(VbColor(kGold));
    p.setPen(Qt::NoPen);
    QPolygon arrow =
        up ? QPolygon({{11, 1}, {21, 12}, {1, 12}}) : QPolygon({{1, 1}, {21, 1}, {11, 12}});
    p.drawPolygon(arrow);
    return pixmap;
}

QPixmap DragPixmap(bool overFavourites) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(VbColor(kDeepBlue), 2));
    p.setBrush(VbColor(overFavourites ? kGold : kPale));
    p.drawRect(4, 8, 24, 16);
    if (overFavourites) {
        p.drawLine(16, 11, 16, 21);
        p.drawLine(11, 16, 21, 16);
    }
    return pixmap;
}

} // namespace arvok
