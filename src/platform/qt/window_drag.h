// Moving a borderless window by dragging a part of it.
#pragma once

class QWidget;

namespace arvok {

// Lets the left button drag the window of "handle" (the handle itself, not the controls on it).
// The window system is asked to move the window once a press, at the first move with the button
// held: a click alone moves nothing, and the move ends where the button is released.
void DragsWindow(QWidget* handle);

} // namespace arvok
