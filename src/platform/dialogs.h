// Every message box and question of the program goes through one service, so that tests can
// script the answers and see what was asked.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace arvok {

// Message-box styles by their numeric values.
enum class MsgStyle { Warning = 48, WarningYesNo = 52, Information = 64 };
enum class Answer { Ok = 1, Yes = 6, No = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows "text" (CR breaks lines) and waits for the answer. The title is the program's
    // name and version unless one is given.
    virtual Answer message(const std::string& text, MsgStyle style,
                           const std::string& title = {}) = 0;
};

// The service in force; a Qt one is installed by main, a scripted one by tests. While the
// program is ending on a signal, none of them: every message goes to standard error, each line of
// it a line there, and is answered Ok, or No to a question.
Dialogs& dialogs();
void SetDialogs(std::unique_ptr<Dialogs> service);

// Records every message and gives the prepared answers in order; with none prepared it answers
// Ok, or No to a question.
class ScriptedDialogs : public Dialogs {
public:
    struct Asked {
        std::string text;
        MsgStyle style;
        std::string title; // empty for the program's own title
    };
    Answer message(const std::string& text, MsgStyle style, const std::string& title = {}) override;

    std::vector<Asked> asked;
    std::deque<Answer> answers;
    // Runs as each message is asked, before it is answered: what the windows show meanwhile.
    std::function<void()> whenAsked;
};

// Installs a fresh ScriptedDialogs and returns it.
ScriptedDialogs& InstallScriptedDialogs();

} // namespace arvok
