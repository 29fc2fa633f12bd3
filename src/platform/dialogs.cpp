#include "platform/dialogs.h"

namespace arvok {

namespace {
std::unique_ptr<Dialogs>& current() {
    static std::unique_ptr<Dialogs> service = std::make_unique<ScriptedDialogs>();
    return service;
}
} // namespace

Dialogs& dialogs() {
    return *current();
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

} // namespace arvok
