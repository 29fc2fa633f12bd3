// Keyboard focus kept on what the user can see.
#pragma once

class QWidget;

namespace arvok {

// Each time "window" changes size, a control of it that lies wholly outside the window (or
// outside a control it sits on) takes no keyboard focus, and takes its own again once any part
// of it is back in view; a control that held the focus and left the view gives it up.
void KeepsFocusInView(QWidget* window);

} // namespace arvok
