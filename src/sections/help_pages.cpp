#include "sections/help_pages.h"

#include <QLabel>
#include <QListWidget>

#include "sections/section_widgets.h"

namespace arvok {

namespace {

constexpr int kRow = 195;

QLabel* Heading(QWidget* page, const char* text, int left, int top, int width) {
    QLabel* label = MakeLabel(page, "", QString::fromLatin1(text), left, top, width, kRow);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

struct KeyAction {
    const char* key;
    const char* action;
};

// Each game's keys beside the joystick, in the order the help list shows the games.
struct GameKeys {
    const char* game;
    std::vector<KeyAction> keys;
};

const std::vector<GameKeys>& System16GameKeys() {
    static const std::vector<GameKeys> games{
        {"Shinobi", {{"CTRL", "Attack"}, {"ALT", "Jump"}, {"SPACE", "Ninja magic"}}},
        {"Altered Beast", {{"CTRL", "Punch"}, {"ALT", "Kick"}, {"SPACE", "Jump"}}},
        {"Golden Axe", {{"CTRL", "Magic"}, {"ALT", "Attack"}, {"SPACE", "Jump"}}},
        {"Time Scanner", {{"CTRL", "Left flipper"}, {"ALT", "Right flipper"}}},
        {"Quartet II", {{"CTRL", "Shoot"}, {"ALT", "Jump"}}},
        {"Space Harrier", {{"CTRL", "Shoot"}}},
        {"Hang-On", {{"CTRL", "Accelerate"}, {"ALT", "Brake"}}},
        {"Wrestle War", {{"CTRL", "Punch"}, {"ALT", "Kick"}, {"SPACE", "Run"}}},
        {"Alien Storm", {{"CTRL", "Attack"}, {"ALT", "Jump"}, {"SPACE", "Special"}}},
        {"Shadow Dancer", {{"CTRL", "Attack"}, {"ALT", "Jump"}, {"SPACE", "Ninja magic"}}},
        {"Out Run", {{"CTRL", "Accelerate"}, {"ALT", "Brake"}, {"SPACE", "Gear"}}},
        {"Tetris", {{"CTRL", "Rotate"}}},
        {"Alien Syndrome", {{"CTRL", "Shoot"}}},
        {"Super Hang-On", {{"CTRL", "Accelerate"}, {"ALT", "Brake"}, {"SPACE", "Turbo"}}},
        {"Moon Walker", {{"CTRL", "Attack"}, {"ALT", "Dance magic"}}},
        {"Fantasy Zone", {{"CTRL", "Shoot"}, {"ALT", "Bomb"}}},
        {"Flash Point", {{"CTRL", "Rotate"}}},
        {"Alexkidd", {{"CTRL", "Jump"}, {"ALT", "Punch"}}},
        {"Aurail", {{"CTRL", "Shoot"}, {"ALT", "Change weapon"}}},
    };
    return games;
}

// Rows of key and action under a heading, one row below another from "top"; returns the top of
// the row after the last.
int KeyRows(QWidget* page, const std::vector<KeyAction>& keys, int left, int keyWidth,
            int actionWidth, int top) {
    for (const KeyAction& row : keys) {
        MakeLabel(page, "", QString::fromLatin1(row.key), left, top, keyWidth, kRow);
        MakeLabel(page, "", QString::fromLatin1(row.action), left + keyWidth, top, actionWidth,
                  kRow);
        top += kRow;
    }
    return top;
}

} // namespace

System16HelpPage::System16HelpPage(QWidget* parent) : QWidget(parent) {
    auto* list = Placed(new QListWidget(this), "lstSystem16Help", 60, 60, 1800, 3765);
    for (const GameKeys& game : System16GameKeys()) {
        list->addItem(QString::fromLatin1(game.game));
        list->addItem(QString(static_cast<int>(qstrlen(game.game)), QLatin1Char('-')));
        for (const KeyAction& key : game.keys)
            list->addItem(QString::fromLatin1(key.key) + QStringLiteral(" - ") +
                          QString::fromLatin1(key.action));
    }

    constexpr int kLeft = 1920, kKey = 450, kAction = 1425;
    Heading(this, "Other keys:", kLeft, 60, kKey + kAction);
    int top = KeyRows(this,
                      {{"S", "Snapshot"},
                       {"P", "Pause"},
                       {"ESC", "Quit"},
                       {"F11", "Show speed"},
                       {"F1", "Help"},
                       {"F10", "Sound on/off"},
                       {"F9", "Frame skip"},
                       {"F6", "Load game"},
                       {"F5", "Save game"},
                       {"F2", "Test mode"},
                       {"END", "Reset"}},
                      kLeft, kKey, kAction, 60 + kRow);
    Heading(this, "Utilities:", kLeft, top, kKey + kAction);
    KeyRows(this,
            {{"1", "Player 1 Start"},
             {"2", "Player 2 Start"},
             {"3", "Coin 1"},
             {"4", "Coin 2"},
             {"9", "Volume down"},
             {"0", "Volume up"}},
            kLeft, kKey, kAction, top + kRow);
}

M72HelpPage::M72HelpPage(QWidget* parent) : QWidget(parent) {
    constexpr int kLeft = 60, kFirst = 1140, kSecond = 1410, kThird = 1170;
    constexpr int kKeyboard = kLeft + kFirst, kGamepad = kKeyboard + kSecond;
    int top = 45;
    Heading(this, "Controls", kLeft, top, kFirst);
    Heading(this, "Keyboard", kKeyboard, top, kSecond);
    Heading(this, "Gamepad", kGamepad, top, kThird);
    static const std::array<KeyAction, 4> kButtons{{{"BUTTON 1", "LCTRL / TAB"},
                                                    {"BUTTON 2", "ALT / Q"},
                                                    {"BUTTON 3", "SPACE / W"},
                                                    {"BUTTON 4", "RCTRL / E"}}};
    for (size_t i = 0; i < kButtons.size(); ++i) {
        top += kRow;
        MakeLabel(this, "", QString::fromLatin1(kButtons[i].key), kLeft, top, kFirst, kRow);
        MakeLabel(this, "", QString::fromLatin1(kButtons[i].action), kKeyboard, top, kSecond, kRow);
        MakeLabel(this, "", QStringLiteral("Button %1").arg(i + 1), kGamepad, top, kThird, kRow);
    }
    top += kRow;
    Heading(this, "Other keys:", kLeft, top, kFirst + kSecond);
    // The keys of coins and starts have no gamepad button.
    static const std::vector<std::pair<KeyAction, bool>> kOthers{
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
        KeyRows(this, {key}, kLeft, kKey, kFirst + kSecond - kKey, top);
        if (noPad)
            MakeLabel(this, "", QStringLiteral("n/a"), kGamepad, top, kThird, kRow);
    }
}

} // namespace arvok
