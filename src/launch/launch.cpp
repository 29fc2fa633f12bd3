#include "launch/launch.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "catalogue/data_file.h"
#include "launch/batch_file.h"
#include "platform/ending_signals.h"
#include "platform/path.h"
#include "platform/process.h"

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

// The flags of a profile's row.
enum ProfileFlag : unsigned {
    LookupFirst = 1 << 0,
    ZipChecked = 1 << 1,
    ExePickerModal = 1 << 2,
};

constexpr Profile Row(Emu emu, const char* romFolder, unsigned flags, const char* exeTitle = "",
                      const char* romTitle = "") {
    Profile p{};
    p.emu = emu;
    p.romFolder = romFolder;
    p.lookupFirst = flags & LookupFirst;
    p.zipChecked = flags & ZipChecked;
    p.exePickerModal = flags & ExePickerModal;
    p.exeTitle = exeTitle;
    p.romTitle = romTitle;
    return p;
}

constexpr PerSection<Profile> kProfiles{
    Row(Emu::Mame, "roms", 0),
    Row(Emu::Callus, "", LookupFirst),
    Row(Emu::Raine, "ZipRoms", LookupFirst, "Warning! - No EXE found!", "Warning! - No Rom found!"),
    Row(Emu::System16, "ziproms", ExePickerModal),
    Row(Emu::M72, "Ziproms", LookupFirst | ZipChecked),
};
static_assert(EachRowAtItsPlace(kProfiles));

const Profile& ProfileOf(Emu emu) {
    return kProfiles[Index(emu)];
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

std::optional<RomLookup> Lookup(DataFiles& files, Emu emu, const std::string& game, LaunchUi& ui) {
    RomLookup result = LookupRom(files, emu, game);
    if (!result.found)
        ui.tell(NotFound(result));
    ui.gameLookedUp(game, result);
    if (!result.found)
        return std::nullopt;
    return result;
}

// Whether the program can be started. A missing program (or no emulator directory) turns to the
// configuration page with the program picker; a program there that cannot be started from the
// launch line is named with the reason.
bool ProgramReady(const Profile& p, const LaunchInputs& in, LaunchUi& ui) {
    if (in.emulatorDir.empty() || !IsPresentFile(in.programPath)) {
        ui.tell({LaunchProblem::Kind::ProgramMissing, p.exeTitle});
        ui.showPage(LaunchPage::Configuration);
        ui.openProgramPicker(Section(p.emu).tag, p.exePickerModal);
        return false;
    }
    std::string problem = ProgramPathProblem(in.programPath);
    if (problem.empty())
        return true;
    ui.tell({LaunchProblem::Kind::CannotStart, {}, in.programPath, {}, {}, {}, problem});
    return false;
}

// "name" shows in the picker's caption; the set is that of the game the settings page holds. The
// user, just told that the set is missing, is not told of a parent the data file lacks.
void RomMissing(DataFiles& files, const Profile& p, const std::string& name, const LaunchInputs& in,
                LaunchUi& ui) {
    ui.tell({LaunchProblem::Kind::SetMissing, p.romTitle});
    ui.showPage(LaunchPage::GameSettings);
    std::optional<RomLookup> shown = Lookup(files, p.emu, in.settingsKey, ui);
    if (!shown)
        return;
    const std::string parent =
        p.emu == Emu::Mame ? MameParentToOffer(files, shown->cloneOf) : std::string();
    ui.openFolderPicker(GameRomFolderRequest(p.emu, name, shown->romSel, parent,
                                             StartFolder(in.options.fields[kRomPathSlot])));
}

// Where MAME's set lies: the first of the game's own ROM folder, the ROM folder and the
// alternative one that holds the set's zip or, in its stead, the zip of a parent that is an
// original game and not the Neo-Geo set. "folder" is empty when none does.
struct SetFolder {
    std::string folder;
    bool ownZip = false; // the set's own zip is there
};

SetFolder FindMameSet(DataFiles& files, const LaunchInputs& in, LaunchUi& ui,
                      FolderListings& folders, const std::string& set, const std::string& parent) {
    const std::string zip = ZipName(set);
    const std::string parentZip = ZipName(parent);
    std::optional<bool> parentIsOriginal;
    auto parentUsable = [&](const std::string& folder) {
        if (!HasParent(parent) || EqualsNoCase(parent, kNeoGeoSet) ||
            !IsPresentFile(folders.resolveName(folder, parentZip)))
            return false;
        if (!parentIsOriginal) {
            NeoGeoLookup kind = LookupMameNeoGeo(files, parent);
            if (!kind.found)
                ui.tell({LaunchProblem::Kind::GameMissing});
            parentIsOriginal = kind.found && !kind.neoGeo;
        }
        return *parentIsOriginal;
    };
    for (const std::string& folder : {in.options.fields[kRomPathSlot], in.romPath, in.romPathAlt}) {
        if (folder.empty())
            continue;
        const bool own = IsPresentFile(folders.resolveName(folder, zip));
        if (own || parentUsable(folder))
            return {folder, own};
    }
    return {};
}

// The zip to copy into MAME's "roms" from the folder the set was found in: the set's own, else
// its parent's. When "roms" holds the set's zip already, the user is asked whether to use it: any
// answer but Yes ends the launch (nullopt); on Yes the parent's zip is copied when it lies beside
// the found one (the Neo-Geo set is reported missing instead), else nothing ("").
std::optional<std::string> ZipToCopy(DataFiles& files, const Profile& p, const LaunchInputs& in,
                                     LaunchUi& ui, const SetFolder& found, const std::string& roms,
                                     const std::string& set, const std::string& parent) {
    const std::string parentZip = ZipName(parent);
    if (!IsPresentFile(ResolveName(roms, ZipName(set))))
        return found.ownZip ? ZipName(set) : parentZip;
    if (!ui.useSetThere(set))
        return std::nullopt;
    if (!HasParent(parent) || !IsPresentFile(ResolveName(found.folder, parentZip)))
        return std::string();
    if (IsNeoGeoSet(parent)) {
        RomMissing(files, p, in.settingsKey, in, ui);
        return std::nullopt;
    }
    return parentZip;
}

enum class Placement {
    Done,   // the zip is in the folder
    NoSet,  // "from" holds no such zip
    Failed, // it could not be put there
};

// Puts "zip" of "from" into "folder": a zip of that name already there (the user's) is used as
// it is; otherwise it is copied and noted in "copies". When it cannot be placed, "problem" says
// why; a partial copy is removed.
Placement PlaceZip(const std::string& from, const std::string& folder, const std::string& zip,
                   std::vector<std::string>& copies, std::string& problem) {
    std::string to = ResolveName(folder, zip);
    if (IsPresentFile(to))
        return Placement::Done;
    if (!IsPresentFile(from)) {
        problem = std::strerror(ENOENT);
        return Placement::NoSet;
    }
    std::error_code ec;
    if (!IsDirectory(folder))
        problem = "There is no such folder";
    else if (std::filesystem::exists(std::filesystem::symlink_status(to, ec)))
        problem = "Something other than a file is named " + zip + " there";
    else if (CopyFile(from, to, &problem)) {
        copies.push_back(to);
        return Placement::Done;
    }
    return Placement::Failed;
}

// A set that was found but could not be put where the emulator looks for it.
void PlacementFailed(LaunchUi& ui, const std::string& zip, const std::string& found,
                     const std::string& folder, const std::string& problem) {
    ui.tell({LaunchProblem::Kind::NotCopied, {}, {}, zip, found, folder, problem});
}

// Runs the batch file, deletes the copies, then tells what went wrong. A program that an ending
// signal reached while the launch asked or copied starts nothing.
void FinishLaunch(LaunchUi& ui, const std::string& emulatorDir, const std::string& commandLine,
                  const std::vector<std::string>& copies) {
    TailResult tail = Ending() ? TailResult{} : RunLaunchTail(emulatorDir, commandLine);
    for (const std::string& copy : copies)
        RemoveFile(copy);
    if (!tail.ran && !Ending())
        ui.tell({LaunchProblem::Kind::NotRun, {}, {}, {}, {}, {}, tail.problem});
}

void RunShared(DataFiles& files, const Profile& p, const std::string& game, LaunchUi& ui) {
    ui.saveSettingsFile();
    LaunchInputs in = ui.inputs();
    std::optional<RomLookup> rom;
    if (p.lookupFirst && !(rom = Lookup(files, p.emu, game, ui)))
        return;
    if (!ProgramReady(p, in, ui))
        return;
    if (!p.lookupFirst && !(rom = Lookup(files, p.emu, game, ui)))
        return;

    const std::string& gameFolder = in.options.fields[kRomPathSlot];
    std::string target = EmulatorRomFolder(p, in.emulatorDir);
    std::string zip = ZipName(rom->romSel);
    std::vector<std::string> copies;
    if (SameFolder(gameFolder, target)) {
        if (p.zipChecked && !IsPresentFile(ResolveName(target, zip))) {
            RomMissing(files, p, game, in, ui);
            return;
        }
    } else {
        std::string problem;
        Placement placed = gameFolder.empty() ? Placement::NoSet
                                              : PlaceZip(ResolveName(gameFolder, zip), target, zip,
                                                         copies, problem);
        if (placed == Placement::NoSet) {
            RomMissing(files, p, game, in, ui);
            return;
        }
        if (placed == Placement::Failed) {
            PlacementFailed(ui, zip, gameFolder, target, problem);
            return;
        }
    }
    FinishLaunch(ui, in.emulatorDir, CommandLine(p.emu, in.programPath, rom->romSel, in.options),
                 copies);
}

} // namespace

std::string MameParentToOffer(DataFiles& files, const std::string& cloneOf, bool* parentMissing) {
    if (!HasParent(cloneOf) || IsNeoGeoSet(cloneOf))
        return {};
    const NeoGeoLookup parent = LookupMameNeoGeo(files, cloneOf);
    if (parentMissing)
        *parentMissing = !parent.found;
    return parent.found && !parent.neoGeo ? cloneOf : std::string();
}

RomFolderRequest GameRomFolderRequest(Emu emu, const std::string& game, const std::string& set,
                                      const std::string& offeredParent, const std::string& folder) {
    std::string zips = ZipName(set);
    if (!offeredParent.empty())
        zips += ";" + ZipName(offeredParent);
    return {std::string(Section(emu).tag) + "SETTINGS",
            "Search Rom for " + game + " (" + zips + ")", zips, folder};
}

void RunMame(DataFiles& files, const std::string& game, LaunchUi& ui) {
    if (game.empty())
        return;
    const Profile& p = ProfileOf(Emu::Mame);
    ui.saveSettingsFile();
    LaunchInputs in = ui.inputs();
    if (!ProgramReady(p, in, ui))
        return;
    std::optional<RomLookup> rom = Lookup(files, Emu::Mame, game, ui);
    if (!rom)
        return;
    const std::string set = rom->romSel;
    const std::string parent = rom->cloneOf;
    // The record name in the line is the time the launch began.
    const std::string commandLine = CommandLine(Emu::Mame, in.programPath, set, in.options);

    const SetFolder found = FindMameSet(files, in, ui, ui.romFolders(), set, parent);
    if (found.folder.empty()) {
        RomMissing(files, p, in.settingsKey, in, ui);
        return;
    }

    std::vector<std::string> copies;
    const std::string roms = EmulatorRomFolder(p, in.emulatorDir);
    if (!SameFolder(found.folder, roms)) {
        std::optional<std::string> copy = ZipToCopy(files, p, in, ui, found, roms, set, parent);
        if (!copy)
            return;
        const bool romsMade = !IsDirectory(roms) && MakeDirectory(in.emulatorDir, p.romFolder);
        std::string problem = "It could not be made";
        if (!copy->empty() &&
            (!IsDirectory(roms) || PlaceZip(ResolveName(found.folder, *copy), roms, *copy, copies,
                                            problem) != Placement::Done)) {
            if (romsMade)
                RemoveFile(roms);
            PlacementFailed(ui, *copy, found.folder, roms, problem);
            return;
        }
    }
    FinishLaunch(ui, in.emulatorDir, commandLine, copies);
}

void RunGame(DataFiles& files, Emu emu, const std::string& game, LaunchUi& ui) {
    if (game.empty())
        return;
    if (emu == Emu::Mame)
        RunMame(files, game, ui);
    else
        RunShared(files, ProfileOf(emu), game, ui);
}

} // namespace arvok
