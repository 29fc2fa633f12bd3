#include "platform/qt/button_look.h"

#include <QEvent>
#include <QMouseEvent>
#include <optional>

#include "platform/qt/geometry.h"

namespace arvok {

namespace {

struct Colours {
    std::uint32_t back, text;
};

// A role's looks; a missing look leaves the colours as they are.
struct LookColours {
    Colours rest;
    std::optional<Colours> hovered, pressed, released;
};

constexpr std::uint32_t kWhite = 0xFFFFFF, kYellow = 0xFFFF;
constexpr Colours kLinkRest{0xBF8585, kWhite}, kLinkLit{0x8F675F, kYellow};

const LookColours& LookOf(ButtonLook look) {
    static const LookColours size{{0x8F675F, kWhite}, Colours{0xBF8585, kYellow}, {}, {}};
    static const LookColours close{{0xE4AAAA, 0x80}, Colours{0x80, kWhite}, {}, {}};
    static const LookColours alert{{0x5C7DD6, kWhite}, Colours{0x40C0, kYellow}, {}, {}};
    static const LookColours link{kLinkRest, kLinkLit, {}, kLinkRest};
    static const LookColours folder{kLinkRest, kLinkLit, Colours{0x8F675F, kWhite}, kLinkRest};
    static const LookColours byDefault{kLinkRest, kLinkLit, {}, Colours{0xBF8585, kYellow}};
    static const LookColours page{kLinkRest, {}, {}, {}};
    static const LookColours layout{size.rest, {}, {}, {}};
    switch (look) {
    case ButtonLook::Size:
        return size;
    case ButtonLook::Close:
        return close;
    case ButtonLook::Alert:
        return alert;
    case ButtonLook::Link:
        return link;
    case ButtonLook::Folder:
        return folder;
    case ButtonLook::Default:
        return byDefault;
    case ButtonLook::Page:
        return page;
    case ButtonLook::Layout:
        break;
    }
    return layout;
}

const char* const kLookProperty = "arvokLook";

void Paint(QWidget* w, const std::optional<Colours>& colours) {
    if (!colours)
        return;
    SetBackColor(w, colours->back);
    SetForeColor(w, colours->text);
}

// Gives a label button the look of the mouse's last move on it.
class HoverLook : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        const LookColours& look =
            LookOf(static_cast<ButtonLook>(w->property(kLookProperty).toInt()));
        switch (event->type()) {
        case QEvent::Enter:
            Paint(w, look.hovered);
            break;
        case QEvent::MouseMove:
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
                Paint(w, look.hovered);
            break;
        case QEvent::Leave:
            Paint(w, look.rest);
            break;
        case QEvent::MouseButtonPress:
            Paint(w, look.pressed);
            break;
        case QEvent::MouseButtonRelease:
            Paint(w, look.released);
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void GiveLook(QWidget* button, ButtonLook look) {
    button->setProperty(kLookProperty, static_cast<int>(look));
    static HoverLook* hover = new HoverLook;
    button->installEventFilter(hover);
    Paint(button, LookOf(look).rest);
}

void PaintRestLook(QWidget* label, ButtonLook look) {
    Paint(label, LookOf(look).rest);
}

} // namespace arvok
