#include "sections/m72_help_page.h"

#include <QLabel>
#include <array>
#include <utility>
#include <vector>

#include "sections/section_design.h"
#include "sections/section_widgets.h"

namespace arvok {

namespace {

constexpr int kRow = 195;

void Heading(QWidget* page, const char* text, int left, int top, int width) {
    QLabel* label = MakeLabel(page, "", QString::fromLatin1(text), left, top, width, kRow);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

// A row of cells from "left", each "width" twips wide; an empty text leaves its cell empty.
void Row(QWidget* page, const std::vector<const char*>& texts, int left,
         const std::vector<int>& widths, int top) {
    for (size_t i = 0; i < texts.size(); ++i) {
        if (*texts[i])
            MakeLabel(page, "", QString::fromLatin1(texts[i]), left, top, widths[i], kRow);
        left += widths[i];
    }
}

} // namespace

void BuildM72HelpPage(QWidget* page) {
    constexpr int kLeft = 60, kFirst = 1140, kSecond = 1410, kThird = 1170;
    constexpr int kKeyboard = kLeft + kFirst, kGamepad = kKeyboard + kSecond;
    int top = 45;
    Heading(page, "Controls", kLeft, top, kFirst);
    Heading(page, "Keyboard", kKeyboard, top, kSecond);
    Heading(page, "Gamepad", kGamepad, top, kThird);
    static const std::array<std::array<const char*, 3>, 4> kButtons{
        {{"BUTTON 1", "LCTRL / TAB", "Button 1"},
         {"BUTTON 2", "ALT / Q", "Button 2"},
         {"BUTTON 3", "SPACE / W", "Button 3"},
         {"BUTTON 4", "RCTRL / E", "Button 4"}}};
    for (const auto& button : kButtons) {
        top += kRow;
        Row(page, {button[0], button[1], button[2]}, kLeft, {kFirst, kSecond, kThird}, top);
    }
    top += kRow;
    Heading(page, "Other keys:", kLeft, top, kFirst + kSecond);
    // The keys of coins and starts have no gamepad button.
    static const std::vector<std::pair<HelpKey, bool>> kOthers{
        {{"ESC", " Quit"}, false},
        {{"P", " Pause"}, false},
        {{"S", " Save a ScreenShot"}, false},
        {{"3", "Coin 1"}, true},
        {{"4", "Coin 2"}, true},
        {{"1", "Player 1 Start"}, true},
        {{"2", "Player 2 Start"}, true},
        {{"F5", " Save game"}, false},
        {{"F6/F8", " Change save slot"}, false},
        {{"F7", " Restore game"}, false},
        {{"F9", " Start/Stop recording"}, false},
        {{"F10/F12", " Change record slot"}, false},
        {{"F11", " Start/Stop play record"}, false},
    };
    constexpr int kKey = 720;
    for (const auto& [key, noPad] : kOthers) {
        top += kRow;
        Row(page, {key.key, key.action, noPad ? "n/a" : ""}, kLeft,
            {kKey, kFirst + kSecond - kKey, kThird}, top);
    }
}

} // namespace arvok
