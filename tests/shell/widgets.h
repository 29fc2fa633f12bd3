// Driving real widgets in the shell's tests: finding them by name, sending them mouse events
// and reading their colours.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "platform/qt/geometry.h"

namespace arvok::test {

template <class T = QLabel> T* Find(const QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button,
                      Qt::MouseButtons buttons, QPoint at = {2, 2}) {
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

inline void MoveOver(QWidget* w, QPoint at = {2, 2}) {
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, at);
}

inline void Click(QWidget* w) {
    SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}

inline void DoubleClick(QWidget* w) {
    SendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
}

inline QColor TextColor(const QWidget* w) {
    return w->palette().color(w->foregroundRole());
}

// The background colour of an opaque widget; a transparent one has none.
inline std::optional<QColor> BackColor(const QWidget* w) {
    if (!w->autoFillBackground())
        return std::nullopt;
    return w->palette().color(w->backgroundRole());
}

} // namespace arvok::test
