// A label that acts as a button: it reports clicks, double clicks and the mouse moving over it.
#pragma once

#include <QLabel>

namespace arvok {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr, const QString& text = {});

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

} // namespace arvok
