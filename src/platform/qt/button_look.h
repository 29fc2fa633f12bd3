// The label buttons' colours, shared by every window that has such buttons.
#pragma once

class QWidget;

namespace arvok {

// The roles of the label buttons. Each role has its colour pair (back / text, &H00BBGGRR) at
// rest and, for most, under the mouse; a few also change while pressed and on release. A moving
// mouse over a button shows its hovered look again, leaving it shows its rest look.
enum class ButtonLook {
    Size,    // "L", "M", "S": &H8F675F / white, hovered &HBF8585 / yellow
    Close,   // "X": &HE4AAAA / &H80, hovered &H80 / white
    Alert,   // clear favourites, "All": &H5C7DD6 / white, hovered &H40C0 / yellow
    Link,    // browse buttons of the configuration page, "Scan now!", the launcher's "Exit",
             // "Lays" and "About": &HBF8585 / white, hovered &H8F675F / yellow, at rest again on
             // release
    Folder,  // the game's ROM folder ("Brow"): as Link, white text while pressed
    Default, // "Def.": as Link, but on release only the back colour rests (the text stays yellow)
    Page,    // the page buttons: pictures that answer the mouse by sinking, not by colour
    Layout,  // the favourites-layout arrow: a picture on the size buttons' face, no colour change
};

// Gives "button" its role's rest look and lets it take its other looks as the mouse moves over
// it, presses and releases, and leaves it (also straight out of its window).
void GiveLook(QWidget* button, ButtonLook look);
// Paints the rest look of the role: on a label that answers no mouse, or on a button that the
// mouse elsewhere in its window puts back to rest.
void PaintRestLook(QWidget* label, ButtonLook look);

} // namespace arvok
