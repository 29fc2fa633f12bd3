// The dialogs service on QMessageBox.
#pragma once

#include <string>
#include <utility>

#include "platform/dialogs.h"

namespace arvok {

class QtDialogs : public Dialogs {
public:
    // "programTitle" is the title of a message that is given none.
    explicit QtDialogs(std::string programTitle) : programTitle_(std::move(programTitle)) {}
    Answer message(const std::string& text, MsgStyle style, const std::string& title = {}) override;

private:
    std::string programTitle_;
};

} // namespace arvok
