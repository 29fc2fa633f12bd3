// M72's help page: a fixed table of the emulator's controls and keys that nothing changes.
#pragma once

class QWidget;

namespace arvok {

// Fills the page "page" with the key table.
void BuildM72HelpPage(QWidget* page);

} // namespace arvok
