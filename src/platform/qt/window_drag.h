// Moving a borderless window by dragging a part of it.
#pragma once

#include <functional>

class QWidget;
class QWindow;

namespace arvok {

// Lets the left button drag the window of "handle" (the handle itself, not the controls on it).
// The window system is asked to move the window once a press, at the first move with the button
// held: a click alone moves nothing, and the move ends where the button is released.
void DragsWindow(QWidget* handle);

// What asks the window system to move a window with the mouse (QWindow::startSystemMove when
// empty), for tests to see each request.
void SetSystemMove(std::function<void(QWindow*)> move);

} // namespace arvok
