#include "platform/dialogs.h"

#include "platform/code_page.h"
#include "platform/ending_signals.h"
#include "platform/standard_error.h"

namespace arvok {

namespace {

std::unique_ptr<Dialogs>& current() {
    static std::unique_ptr<Dialogs> service = std::make_unique<ScriptedDialogs>();
    return service;
}

std::unique_ptr<Pickers>& currentPickers() {
    static std::unique_ptr<Pickers> service;
    return service;
}

// The message's words as a terminal shows them: in UTF-8, a CR (or CR LF) as a line break.
std::string TerminalLines(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t ch = CodePageChar(static_cast<unsigned char>(text[i]));
        if (ch == '\r') {
            if (i + 1 == text.size() || text[i + 1] != '\n')
                out += '\n';
        } else if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else if (ch < 0x800) {
            out += static_cast<char>(0xC0 | (ch >> 6));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (ch >> 12));
            out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return out + '\n';
}

// While the program ends on a signal nobody is there to answer: a message is written to standard
// error and taken as dismissed.
class EndingDialogs : public Dialogs {
public:
    Answer message(const std::string& text, MsgStyle style, const std::string&) override {
        WriteToStandardError(TerminalLines(text));
        return style == MsgStyle::WarningYesNo ? Answer::No : Answer::Ok;
    }
};

} // namespace

Dialogs& dialogs() {
    static EndingDialogs whileEnding;
    return Ending() ? whileEnding : *current();
}

void SetDialogs(std::unique_ptr<Dialogs> service) {
    current() = std::move(service);
}

Answer ScriptedDialogs::message(const std::string& text, MsgStyle style, const std::string& title) {
    asked.push_back({text, style, title});
    if (whenAsked)
        whenAsked();
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return style == MsgStyle::WarningYesNo ? Answer::No : Answer::Ok;
}

ScriptedDialogs& InstallScriptedDialogs() {
    auto service = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& ref = *service;
    SetDialogs(std::move(service));
    return ref;
}

void SetPickers(std::unique_ptr<Pickers> service) {
    currentPickers() = std::move(service);
}

std::optional<std::string> ChooseFolder(const FolderPickerRequest& request, QWidget* parent) {
    if (!currentPickers())
        return std::nullopt;
    return currentPickers()->chooseFolder(request, parent);
}

std::optional<PickedProgram> ChooseProgram(const ProgramPickerRequest& request, QWidget* parent) {
    if (!currentPickers())
        return std::nullopt;
    return currentPickers()->chooseProgram(request, parent);
}

void ChooseProgramLater(const ProgramPickerRequest& request, QWidget* parent,
                        std::function<void(const PickedProgram&)> picked) {
    if (currentPickers())
        currentPickers()->chooseProgramLater(request, parent, std::move(picked));
}

} // namespace arvok
