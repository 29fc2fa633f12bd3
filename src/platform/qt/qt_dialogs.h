// The dialogs service on QMessageBox.
#pragma once

#include "platform/dialogs.h"

namespace arvok {

class QtDialogs : public Dialogs {
public:
    Answer message(const std::string& text, MsgStyle style, const std::string& title = {}) override;
};

} // namespace arvok
