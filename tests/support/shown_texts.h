// The texts a user reads, written out byte for byte as the program must show them: the shared
// messages (their lines joined by a lone carriage return) and captions of the windows. Tests
// compare what a dialog showed or what a widget reads with these, never with the program's own
// constants, so that a text changed by one letter fails them.
#pragma once

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/texts.h"
#include "platform/dialogs.h"
#include "support/test_support.h"

namespace arvok::test::shown {

inline const std::string kApplyToAll = "This will:\r"
                                       "1) Erase all the previously saved configurations\r"
                                       "2) Apply the current settings to all the games\r"
                                       "\r"
                                       "Are you sure?";
inline const std::string kDefaultConfSaved = "Default configurations saved!";
inline const std::string kClearFavourites = "Are you sure you want to delete your favourites list?";
inline const std::string kEmuNotFound = "The emulator could not be found in the specified path\r"
                                        "Please check the paths in section CONF";
inline const std::string kRomNotFound = "Rom not found in the specified directory!\r"
                                        "\r"
                                        "1) Check if the path is correct!\r"
                                        "2) Check if you have the rom!\r"
                                        "3) Check if it has the right name!";
inline const std::string kNoRomInDataFile =
    "This rom was not found in Data-File.\r"
    "Probably it was renamed in the last release.\r"
    "Please add (drag and drop) it again to your favourites list with the correct name.";
inline const std::string kRomAlreadyExist =
    "The rom already exist in directory <mame/roms>. You chose to use a rom from another dir "
    "instead. Behaving like this the rom in <mame/roms> will be overwritten and so lost. Do you "
    "wish to continue?";
inline const std::string kNoDataFile =
    "Warning! It could not be found the data-file in the directory </data>\r"
    "Without this file you have no access to this section!\r"
    "You can download the latest release of the data-file from Arvok official home page.";
inline const std::string kNoConfiguration =
    "No configuration file found.\r"
    "Probably it's the first time you access this section. Please set up your\r"
    "paths now before moving to other sections!";
inline const std::string kNoScanFile = "No 'SCN' file found in </CFG> directory.\r"
                                       "Please scan your rom directory from section <CONF>";
inline const std::string kWelcome =
    "Welcome to Arvok! Probably it's the first time you launch this program!\r"
    "Please remember to put Data Files into the <data> directory!\r"
    "You can download the latest releases of the data-files from Arvok official home page.\r"
    "Take a look at Readme.txt for more info.";

// The warning naming a settings file that could not be read.
inline std::string Unreadable(const std::string& path) {
    return "The settings file\r" + path +
           "\rcould not be read. Default settings are used, and nothing is saved over that file.";
}

inline const std::string kMailAddress = "arvok@example.org";
inline const std::string kWebAddress = "http://www.arvok.example.org/";

} // namespace arvok::test::shown

namespace arvok::test {

// The texts of the messages shown so far, in turn.
inline std::vector<std::string> AskedTexts(const ScriptedDialogs& dialogs) {
    std::vector<std::string> texts;
    for (const ScriptedDialogs::Asked& asked : dialogs.asked)
        texts.push_back(asked.text);
    return texts;
}

// Each message shown so far that no row of tests/fixtures/controls/messages.txt gives, written as
// such a row: a style of 48 shows an OK button and 52 Yes and No, both with the warning icon; 64
// an OK button with the information icon.
inline std::vector<std::string> MessageDifferences(const ScriptedDialogs& dialogs) {
    std::string rows;
    std::istringstream table(ReadBytes(Fixture("controls/messages.txt")));
    for (std::string line; std::getline(table, line);)
        if (!line.empty() && line[0] != '#')
            rows += '|' + std::regex_replace(line, std::regex(R"([\\^$.|?+()\[\]{}])"), R"(\$&)");
    const std::regex given(std::regex_replace(rows.substr(1), std::regex(R"(\*)"), R"([^"]*)"));
    std::vector<std::string> differences;
    for (const ScriptedDialogs::Asked& asked : dialogs.asked) {
        const std::string shown =
            '"' + std::regex_replace(asked.text, std::regex("\r"), "\" \"") + "\" | " +
            (asked.style == MsgStyle::WarningYesNo ? "Yes No" : "OK") + " | " +
            (asked.style == MsgStyle::Information ? "Information" : "Warning") + " | \"" +
            (asked.title.empty() ? texts::Title() : asked.title) + '"';
        if (!std::regex_match(shown, given))
            differences.push_back(shown);
    }
    return differences;
}

} // namespace arvok::test
