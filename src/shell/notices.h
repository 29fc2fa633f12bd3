// What the user is told of what the layers below the windows found: files that could not be
// read or saved, values a settings file cannot keep, games a data file lacks, the scan, and what
// stopped a launch. A file that could not be read is told of once until it has been read again,
// and a save that failed once until a save of that file has succeeded (settings are saved on
// every change of game, so a read-only installation would otherwise bring one message per
// click), unless the user asked for the save by a button.
#pragma once

#include <set>
#include <string>

#include "catalogue/rom_scan.h"
#include "launch/launch_ui.h"
#include "platform/text_file.h"
#include "settings/settings_io.h"

namespace arvok {

class Notices {
public:
    // A settings or layouts file at "path" was read and found in "state".
    void read(const std::string& path, settings_io::FileState state);

    enum class Report { OncePerFile, EachTime };
    // Tells what stopped a save of a settings file; whether it was saved.
    bool saved(const settings_io::SettingsSave& save, Report report = Report::OncePerFile);
    // Tells, each time, that the layouts file or the options file at "path" was not written.
    bool written(const std::string& path, const SaveResult& result);
    // Tells that a value cannot be kept in the settings file and what became of it ("outcome").
    void cannotKeep(const settings_io::CannotKeep& value, const char* outcome);

    // The data file does not carry the game looked up.
    void gameMissing();
    void scanned(Emu emu, const ScanRequest& request, const ScanResult& result);
    void tell(const LaunchProblem& problem);
    bool useSetThere(const std::string& set);

private:
    void noDataFile();
    void tellUnreadable(const std::string& path);
    void tellNotSaved(const std::string& path);

    std::set<std::string> unreadable_; // told of, not read since
    std::set<std::string> unsaved_;    // their last save failed; told of
};

} // namespace arvok
