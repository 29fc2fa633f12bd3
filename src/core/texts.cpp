#include "core/texts.h"

namespace arvok::texts {

const std::string MESSAGE = "Arvok";
const std::string VERSION = "v0.1b";
const std::string ARVOKDATE = "02/07/99";

std::string Title() {
    return MESSAGE + " " + VERSION;
}

const std::string testoApplyToAll = "This will:\r"
                                    "1) Erase all the previously saved configurations\r"
                                    "2) Apply the current settings to all the games\r"
                                    "\r"
                                    "Are you sure?";
const std::string testoDefaultConfSaved = "Default configurations saved!";
const std::string testoClearFavorties = "Are you sure you want to delete your favourites list?";
const std::string testoEmuNotFound = "The emulator could not be found in the specified path\r"
                                     "Please check the paths in section CONF";
const std::string testoRomNotFound = "Rom not found in the specified directory!\r"
                                     "\r"
                                     "1) Check if the path is correct!\r"
                                     "2) Check if you have the rom!\r"
                                     "3) Check if it has the right name!";
const std::string testoNoRomInDataFile =
    "This rom was not found in Data-File.\r"
    "Probably it was renamed in the last release.\r"
    "Please add (drag and drop) it again to your favourites list with the correct name.";
const std::string testoRomAlreadyExist =
    "The rom already exist in directory <mame/roms>. You chose to use a rom from another dir "
    "instead. Behaving like this the rom in <mame/roms> will be overwritten and so lost. Do you "
    "wish to continue?";
const std::string testoNoDataFile =
    "Warning! It could not be found the data-file in the directory </data>\r"
    "Without this file you have no access to this section!\r"
    "You can download the latest release of the data-file from Arvok official home page.";
const std::string testoNoConfiguration =
    "No configuration file found.\r"
    "Probably it's the first time you access this section. Please set up your\r"
    "paths now before moving to other sections!";
const std::string testoNoScanFile = "No 'SCN' file found in </CFG> directory.\r"
                                    "Please scan your rom directory from section <CONF>";
const std::string testoLatestFiles = "You can download the latest releases, data-files, "
                                     "snapshots and more from Arvok official home page.";
const std::string testoInfoRequest =
    "To receive infos, report comments, ask question and so on e-mail me clicking here.";

const std::string Welcome =
    "Welcome to Arvok! Probably it's the first time you launch this program!\r"
    "Please remember to put Data Files into the <data> directory!\r"
    "You can download the latest releases of the data-files from Arvok official home page.\r"
    "Take a look at Readme.txt for more info.";

} // namespace arvok::texts
