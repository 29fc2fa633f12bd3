// Driving real widgets in the window tests: finding them by name, sending them mouse events
// and reading their colours.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/qt/geometry.h"

namespace arvok::test {

template <class T = QLabel> T* Find(const QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The texts of these labels and buttons of "parent", in turn.
inline std::vector<std::string> Texts(const QWidget* parent,
                                      std::initializer_list<const char*> names) {
    std::vector<std::string> texts;
    for (const char* name : names) {
        auto* button = parent->findChild<QAbstractButton*>(name);
        texts.push_back((button ? button->text() : Find(parent, name)->text()).toStdString());
    }
    return texts;
}

// A mouse event at "at" of "w" (of a list's viewport): a press or double click holds "button",
// a release lets it go, a move holds none.
inline void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton,
                      QPoint at = {2, 2}) {
    if (auto* list = qobject_cast<QAbstractItemView*>(w))
        w = list->viewport();
    const bool held = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button,
                      held ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Counts the times the window it watches is raised.
struct Raises : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::ZOrderChange;
        return false;
    }
};

inline void MoveOver(QWidget* w, QPoint at = {2, 2}) {
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, at);
}

inline void Click(QWidget* w, QPoint at = {2, 2}) {
    SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, at);
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

// A press at "at" of "w", two moves with "button" held, the release.
inline void Drag(QWidget* w, QPoint at = {2, 2}, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, button, at);
    for (QPoint to : {at + QPoint(4, 3), at + QPoint(9, 6)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(w->mapToGlobal(to)), Qt::NoButton,
                         button, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    SendMouse(w, QEvent::MouseButtonRelease, button, at);
}

inline void DoubleClick(QWidget* w) {
    SendMouse(w, QEvent::MouseButtonDblClick);
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

// Where a picture holds another colour than its top left pixel: what is drawn on a plain face.
inline QRect Ink(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink |= image.pixelColor(x, y) == image.pixelColor(0, 0) ? QRect() : QRect(x, y, 1, 1);
    return ink;
}

} // namespace arvok::test
