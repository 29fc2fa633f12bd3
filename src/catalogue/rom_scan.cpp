#include "catalogue/rom_scan.h"

#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "catalogue/data_file.h"
#include "core/shared_state.h"
#include "core/texts.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

// The zip names present in the folders, folded to lower case.
class ZipIndex {
public:
    explicit ZipIndex(const std::vector<std::string>& folders) {
        for (const std::string& folder : folders) {
            if (folder.empty())
                continue;
            std::vector<std::string> names = ListPresentFiles(folder);
            names_.reserve(names_.size() + names.size());
            for (std::string& name : names) {
                for (char& c : name)
                    c = FoldCase(c);
                names_.insert(std::move(name));
            }
        }
    }
    bool has(std::string_view zip) {
        key_.assign(zip);
        key_ += ".zip";
        for (char& c : key_)
            c = FoldCase(c);
        return names_.count(key_) != 0;
    }

private:
    std::unordered_set<std::string> names_;
    std::string key_; // reused for every lookup
};

// The zip that stands for a record, or nothing when the record is not scanned.
std::optional<std::string_view> ChosenZip(std::string_view record, bool merged) {
    std::string_view set = RecordField(record, kSet);
    if (!merged)
        return set;
    std::string_view type = RecordField(record, kType);
    if (type == "O")
        return set;
    std::string_view parent = RecordField(record, kParent);
    if (parent == "neogeo")
        return set;
    if (type == "C")
        return parent;
    return std::nullopt;
}

std::string FoundMessage(Emu emu, size_t found, const ScanRequest& request) {
    std::string text = std::to_string(found) + " Roms found in:\r" + request.romPath;
    if (emu == Emu::Mame)
        text += "\rand\r" + request.altRomPath;
    return text;
}

ScanResult Fail(std::string message) {
    dialogs().message(message, MsgStyle::Warning);
    return {false, 0, std::move(message)};
}

} // namespace

std::string ScanFilePath(Emu emu) {
    return InstallPath("Cfg", std::string(Section(emu).baseName) + ".scn");
}

ScanResult ScanRoms(Emu emu, const ScanRequest& request) {
    if (!Section(emu).hasScan)
        return {};
    bool mame = emu == Emu::Mame;
    RecordLines records(DataFilePath(emu));
    if (!records.ok())
        return Fail(texts::testoNoDataFile);
    std::vector<std::string> folders{request.romPath};
    if (mame)
        folders.push_back(request.altRomPath);
    ZipIndex zips(folders);
    bool merged = mame && request.merged;

    ScanResult result;
    std::string bytes;
    bytes.reserve(records.lines().size() * 40);
    for (std::string_view record : records.lines()) {
        std::optional<std::string_view> zip = ChosenZip(record, merged);
        if (!zip)
            continue;
        bool present = zips.has(*zip);
        result.found += present ? 1 : 0;
        bytes += '"';
        bytes += RecordField(record, kName);
        bytes += present ? ";Y\"\r\n" : ";N\"\r\n";
    }
    std::string path = ScanFilePath(emu);
    if (!WriteFileAtomically(path, bytes))
        return Fail("The scan file could not be written:\r" + path);
    result.written = true;
    result.message = FoundMessage(emu, result.found, request);
    dialogs().message(result.message, MsgStyle::Information);
    return result;
}

} // namespace arvok
