#include "launch/launch.h"

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

#include "catalogue/data_file.h"
#include "core/texts.h"
#include "launch/batch_file.h"
#include "platform/dialogs.h"
#include "platform/path.h"

namespace arvok {

namespace {

// What tells the sections' launches apart.
struct Profile {
    Emu emu;
    bool lookupFirst;      // the game is looked up before the program is checked
    const char* romFolder; // where the emulator looks for sets, below its directory ("": in it)
    bool zipChecked;       // the set must be there when the game's ROM folder is that folder
    const char* exeTitle;  // title of the missing-program message ("": the program's own)
    const char* romTitle;  // title of the missing-set message
    bool exePickerModal;   // the program picker blocks the window
};

const Profile& ProfileOf(Emu emu) {
    static const std::array<Profile, 5> profiles{{
        {Emu::Mame, false, "roms", false, "", "", false},
        {Emu::Callus, true, "", false, "", "", false},
        {Emu::Raine, true, "ZipRoms", false, "Warning! - No EXE found!", "Warning! - No Rom found!",
         false},
        {Emu::System16, false, "ziproms", false, "", "", true},
        {Emu::M72, true, "Ziproms", true, "", "", false},
    }};
    return profiles[Index(emu)];
}

std::string ZipName(const std::string& set) {
    return set + ".zip";
}

bool HasParent(const std::string& parent) {
    return !parent.empty() && parent != "-";
}

std::string EmulatorRomFolder(const Profile& p, const std::string& emulatorDir) {
    return *p.romFolder ? ResolveName(emulatorDir, p.romFolder) : emulatorDir;
}

// Two folder texts name the same folder when they are one folder on disk (a closing "/" or
// another spelling does not matter), or, while either is missing, when they are equal but for
// letter case.
bool SameFolder(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (IsDirectory(a) && IsDirectory(b))
        return fs::equivalent(a, b, ec);
    return EqualsNoCase(a, b);
}

// The folder a picker starts in: the game's ROM folder while it holds any file.
std::string StartFolder(const std::string& folder) {
    return !folder.empty() && !ListPresentFiles(folder).empty() ? folder : std::string();
}

std::optional<RomLookup> Lookup(Emu emu, const std::string& game, LaunchUi& ui) {
    RomLookup result = LookupRom(emu, game);
    ui.gameLookedUp(game, result);
    if (!result.found)
        return std::nullopt;
    return result;
}

bool ProgramReady(const LaunchInputs& in) {
    return !in.emulatorDir.empty() && IsPresentFile(in.programPath);
}

void ProgramMissing(const Profile& p, LaunchUi& ui) {
    dialogs().message(texts::testoEmuNotFound, MsgStyle::Warning, p.exeTitle);
    ui.showPage(LaunchPage::Configuration);
    ui.openProgramPicker(Section(p.emu).tag, p.exePickerModal);
}

// Whether MAME's data file carries "set" as an original game. Asked without a message: it only
// decides whether the folder picker offers a parent's zip beside the game's own.
bool IsOriginalMameSet(const std::string& set) {
    std::optional<GameRecord> record = FindGameRecord(Emu::Mame, set, kSet);
    return record && record->field(kType) == "O";
}

// "name" shows in the picker's caption; the set is that of the game the settings page holds.
void RomMissing(const Profile& p, const std::string& name, const LaunchInputs& in, LaunchUi& ui) {
    dialogs().message(texts::testoRomNotFound, MsgStyle::Warning, p.romTitle);
    ui.showPage(LaunchPage::GameSettings);
    std::optional<RomLookup> shown = Lookup(p.emu, in.settingsKey, ui);
    if (!shown)
        return;
    const bool offerParent = p.emu == Emu::Mame && HasParent(shown->cloneOf) &&
                             shown->cloneOf != "neogeo" && IsOriginalMameSet(shown->cloneOf);
    ui.openFolderPicker(GameRomFolderRequest(p.emu, name, shown->romSel,
                                             offerParent ? shown->cloneOf : std::string(),
                                             StartFolder(in.options.fields[kRomPathSlot])));
}

// Puts "zip" of "from" into "folder": a zip of that name already there (the user's) is used as
// it is; otherwise it is copied and noted in "copies". False when the copy could not be made;
// a partial copy is removed.
bool PlaceZip(const std::string& from, const std::string& folder, const std::string& zip,
              std::vector<std::string>& copies) {
    std::string to = ResolveName(folder, zip);
    if (IsPresentFile(to))
        return true;
    std::error_code ec;
    bool existed = std::filesystem::exists(std::filesystem::symlink_status(to, ec));
    if (!IsPresentFile(from) || !IsDirectory(folder) || existed)
        return false;
    if (CopyFile(from, to)) {
        copies.push_back(to);
        return true;
    }
    RemoveFile(to);
    return false;
}

// Runs the batch file, deletes the copies, then tells what went wrong.
void FinishLaunch(const std::string& emulatorDir, const std::string& commandLine,
                  const std::vector<std::string>& copies) {
    TailResult tail = RunLaunchTail(emulatorDir, commandLine);
    for (const std::string& copy : copies)
        RemoveFile(copy);
    if (!tail.ran)
        dialogs().message(tail.problem, MsgStyle::Warning);
}

void RunShared(const Profile& p, const std::string& game, LaunchUi& ui) {
    ui.saveSettingsFile();
    LaunchInputs in = ui.inputs();
    std::optional<RomLookup> rom;
    if (p.lookupFirst && !(rom = Lookup(p.emu, game, ui)))
        return;
    if (!ProgramReady(in)) {
        ProgramMissing(p, ui);
        return;
    }
    if (!p.lookupFirst && !(rom = Lookup(p.emu, game, ui)))
        return;

    const std::string& gameFolder = in.options.fields[kRomPathSlot];
    std::string target = EmulatorRomFolder(p, in.emulatorDir);
    std::string zip = ZipName(rom->romSel);
    std::vector<std::string> copies;
    bool placed =
        SameFolder(gameFolder, target)
            ? !p.zipChecked || IsPresentFile(ResolveName(target, zip))
            : !gameFolder.empty() && PlaceZip(ResolveName(gameFolder, zip), target, zip, copies);
    if (!placed) {
        RomMissing(p, game, in, ui);
        return;
    }
    FinishLaunch(in.emulatorDir, CommandLine(p.emu, in.programPath, rom->romSel, in.options),
                 copies);
}

} // namespace

RomFolderRequest GameRomFolderRequest(Emu emu, const std::string& game, const std::string& set,
                                      const std::string& offeredParent, const std::string& folder) {
    std::string zips = ZipName(set);
    if (!offeredParent.empty())
        zips += ";" + ZipName(offeredParent);
    return {std::string(Section(emu).tag) + "SETTINGS",
            "Search Rom for " + game + " (" + zips + ")", zips, folder};
}

void RunMame(const std::string& game, LaunchUi& ui) {
    if (game.empty())
        return;
    const Profile& p = ProfileOf(Emu::Mame);
    ui.saveSettingsFile();
    LaunchInputs in = ui.inputs();
    if (!ProgramReady(in)) {
        ProgramMissing(p, ui);
        return;
    }
    std::optional<RomLookup> rom = Lookup(Emu::Mame, game, ui);
    if (!rom)
        return;
    const std::string set = rom->romSel;
    const std::string parent = rom->cloneOf;
    const std::string zip = ZipName(set);
    const std::string parentZip = ZipName(parent);
    // The record name in the line is the time the launch began.
    const std::string commandLine = CommandLine(Emu::Mame, in.programPath, set, in.options);

    // A parent's zip stands in for the game's own only when the parent is an original game
    // and not the Neo-Geo set.
    std::optional<bool> parentIsOriginal;
    auto parentUsable = [&](const std::string& folder) {
        if (!HasParent(parent) || EqualsNoCase(parent, "neogeo") ||
            !IsPresentFile(ResolveName(folder, parentZip)))
            return false;
        if (!parentIsOriginal) {
            NeoGeoLookup kind = LookupMameNeoGeo(parent);
            parentIsOriginal = kind.found && !kind.neoGeo;
        }
        return *parentIsOriginal;
    };

    const std::string& gameFolder = in.options.fields[kRomPathSlot];
    std::string found;
    bool ownFound = false;
    for (const std::string& folder : {gameFolder, in.romPath, in.romPathAlt}) {
        if (folder.empty())
            continue;
        ownFound = IsPresentFile(ResolveName(folder, zip));
        if (ownFound || parentUsable(folder)) {
            found = folder;
            break;
        }
    }
    if (found.empty()) {
        RomMissing(p, in.settingsKey, in, ui);
        return;
    }

    std::vector<std::string> copies;
    const std::string roms = EmulatorRomFolder(p, in.emulatorDir);
    if (!SameFolder(found, roms)) {
        bool ownInRoms = IsPresentFile(ResolveName(roms, zip));
        MakeDirectory(in.emulatorDir, p.romFolder);
        bool placed = true;
        if (!ownInRoms) {
            placed = ownFound ? PlaceZip(ResolveName(found, zip), roms, zip, copies)
                              : PlaceZip(ResolveName(found, parentZip), roms, parentZip, copies);
        } else {
            if (dialogs().message(set + ": " + texts::testoRomAlreadyExist,
                                  MsgStyle::WarningYesNo) != Answer::Yes)
                return;
            if (HasParent(parent) && IsPresentFile(ResolveName(found, parentZip)))
                placed = parent != "neogeo" &&
                         PlaceZip(ResolveName(found, parentZip), roms, parentZip, copies);
        }
        if (!placed) {
            RomMissing(p, in.settingsKey, in, ui);
            return;
        }
    }
    FinishLaunch(in.emulatorDir, commandLine, copies);
}

void RunGame(Emu emu, const std::string& game, LaunchUi& ui) {
    if (game.empty())
        return;
    if (emu == Emu::Mame)
        RunMame(game, ui);
    else
        RunShared(ProfileOf(emu), game, ui);
}

} // namespace arvok
