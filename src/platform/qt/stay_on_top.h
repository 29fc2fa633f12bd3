// Keeping a window above all others, or releasing it, without moving, resizing or activating it.
#pragma once

class QWidget;

namespace arvok {

void SetStayOnTop(QWidget* window, bool onTop);
bool IsStayOnTop(const QWidget* window);

} // namespace arvok
