#include "shell/notices.h"

#include "core/texts.h"
#include "launch/batch_file.h"
#include "platform/code_page.h"
#include "platform/dialogs.h"

namespace arvok {

using settings_io::FileState;
using settings_io::SaveStop;

void Notices::read(const std::string& path, FileState state) {
    if (state == FileState::Read)
        unreadable_.erase(path);
    if (state == FileState::Unreadable && unreadable_.insert(path).second)
        tellUnreadable(path);
}

bool Notices::saved(const settings_io::SettingsSave& save, Report report) {
    switch (save.stop) {
    case SaveStop::None:
        unsaved_.erase(save.path);
        break;
    case SaveStop::CannotKeep:
        cannotKeep(*save.refused, "The settings were not saved.");
        break;
    case SaveStop::FoundUnreadable:
        read(save.path, FileState::Unreadable);
        break;
    case SaveStop::KnownUnreadable:
        if (report == Report::EachTime)
            tellUnreadable(save.path);
        break;
    case SaveStop::WriteFailed:
        if (unsaved_.insert(save.path).second || report == Report::EachTime)
            tellNotSaved(save.path);
        break;
    case SaveStop::NoGame:
        break;
    }
    return save.saved();
}

bool Notices::written(const std::string& path, const SaveResult& result) {
    if (!result.saved)
        tellNotSaved(path);
    return result.saved;
}

void Notices::cannotKeep(const settings_io::CannotKeep& value, const char* outcome) {
    dialogs().message(value.what + "\r" + PathText(value.value) +
                          "\rcannot be kept in the settings file: it holds " + value.holds + ". " +
                          outcome,
                      MsgStyle::Warning);
}

void Notices::gameMissing() {
    dialogs().message(texts::testoNoRomInDataFile, MsgStyle::Warning);
}

void Notices::noDataFile() {
    dialogs().message(texts::testoNoDataFile, MsgStyle::Warning);
}

void Notices::scanned(Emu emu, const ScanRequest& request, const ScanResult& result) {
    if (result.dataFileUnreadable) {
        noDataFile();
    } else if (!result.notWritten.empty()) {
        dialogs().message("The scan file could not be written:\r" + PathText(result.notWritten),
                          MsgStyle::Warning);
    } else if (result.written) {
        std::string text =
            std::to_string(result.found) + " Roms found in:\r" + PathText(request.romPath);
        if (Section(emu).hasAltRomPath)
            text += "\rand\r" + PathText(request.altRomPath);
        dialogs().message(text, MsgStyle::Information);
    }
}

void Notices::tell(const LaunchProblem& problem) {
    using Kind = LaunchProblem::Kind;
    switch (problem.kind) {
    case Kind::GameMissing:
        gameMissing();
        break;
    case Kind::NoDataFile:
        noDataFile();
        break;
    case Kind::ProgramMissing:
        dialogs().message(texts::testoEmuNotFound, MsgStyle::Warning, problem.title);
        break;
    case Kind::CannotStart:
        dialogs().message(CannotStart(PathText(problem.program) + "\r" + problem.why),
                          MsgStyle::Warning);
        break;
    case Kind::SetMissing:
        dialogs().message(texts::testoRomNotFound, MsgStyle::Warning, problem.title);
        break;
    case Kind::NotCopied:
        dialogs().message(problem.zip + " was found in\r" + PathText(problem.from) +
                              "\rbut could not be copied into the emulator's ROM folder\r" +
                              PathText(problem.to) + "\r" + problem.why + ".",
                          MsgStyle::Warning);
        break;
    case Kind::NotRun:
        dialogs().message(problem.why, MsgStyle::Warning);
        break;
    }
}

bool Notices::useSetThere(const std::string& set) {
    return dialogs().message(set + ": " + texts::testoRomAlreadyExist, MsgStyle::WarningYesNo) ==
           Answer::Yes;
}

void Notices::tellUnreadable(const std::string& path) {
    dialogs().message("The settings file\r" + PathText(path) +
                          "\rcould not be read. Default settings are used, and nothing is saved "
                          "over that file.",
                      MsgStyle::Warning);
}

void Notices::tellNotSaved(const std::string& path) {
    dialogs().message("The settings could not be saved in\r" + PathText(path), MsgStyle::Warning);
}

} // namespace arvok
