// A label that acts as a button: it reports clicks, double clicks and the mouse moving over it,
// and can switch its text colour while the mouse is over it.
#pragma once

#include <QLabel>
#include <cstdint>
#include <optional>

namespace arvok {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr, const QString& text = {});
    // Text colour while the mouse is over the label and while it is not.
    void setHoverColors(std::uint32_t normal, std::uint32_t hover);

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    std::optional<std::uint32_t> normal_, hover_;
};

} // namespace arvok
