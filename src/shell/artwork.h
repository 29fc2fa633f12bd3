// The pictures of the launcher and the about box, drawn at run time.
#pragma once

#include <QPixmap>

namespace arvok {

// The product logo, 141 by 45 pixels.
QPixmap LogoPixmap();
// A decorative bar of the given size.
QPixmap BarPixmap(int width, int height);
// The favourites-layout arrows, 22 by 13 pixels.
QPixmap ArrowPixmap(bool up);
// The drag icons of the game lists, 32 by 32 pixels: while dragging, and over the favourites.
QPixmap DragPixmap(bool overFavourites);

} // namespace arvok
