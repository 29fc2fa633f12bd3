// Positions and sizes are kept in twips (15 to a pixel); colours are given as &H00BBGGRR.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace arvok {

constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPx(int twips) {
    return twips / kTwipsPerPixel;
}
constexpr int PxToTwips(int px) {
    return px * kTwipsPerPixel;
}

inline QColor VbColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// A widget's frame position and size in twips.
struct TwipRect {
    int Top = 0, Left = 0, Width = 0, Height = 0;
};
TwipRect GetTwips(const QWidget* w);
void SetTwipsPos(QWidget* w, int top, int left);
void SetTwipsSize(QWidget* w, int width, int height);
// Places a child control by its design coordinates in twips.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);
// Sets the background or text colour of a widget through its palette; a disabled control's text
// stays gray.
void SetBackColor(QWidget* w, std::uint32_t bgr);
void SetForeColor(QWidget* w, std::uint32_t bgr);

} // namespace arvok
