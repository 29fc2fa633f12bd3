// The product's name and version and the message texts every part of the program shows.
// Lines of a text are joined by a lone carriage return.
#pragma once

#include <string>

namespace arvok::texts {

extern const std::string MESSAGE;   // "Arvok"
extern const std::string VERSION;   // "v0.1b"
extern const std::string ARVOKDATE; // "02/07/99"

// MESSAGE, a blank and VERSION: the title of every message box and the launcher's caption.
std::string Title();

extern const std::string testoApplyToAll;
extern const std::string testoDefaultConfSaved;
extern const std::string testoClearFavorties;
extern const std::string testoEmuNotFound;
extern const std::string testoRomNotFound;
extern const std::string testoNoRomInDataFile;
extern const std::string testoRomAlreadyExist;
extern const std::string testoNoDataFile;
extern const std::string testoNoConfiguration;
extern const std::string testoNoScanFile;
extern const std::string testoLatestFiles;
extern const std::string testoInfoRequest;

// Shown at start-up while the Cfg directory holds no file.
extern const std::string Welcome;

} // namespace arvok::texts
