#include "catalogue/rom_scan.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "catalogue/data_file.h"
#include "platform/code_page.h"
#include "platform/path.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

// The zip names present in the folders, folded to lower case. A full collection is tens of
// thousands of names and as many look-ups, so the names stand in one array found through an
// open-addressing table of their hashes, not in one allocated node each.
class ZipIndex {
public:
    explicit ZipIndex(const std::vector<std::string>& folders) {
        for (const std::string& folder : folders) {
            if (folder.empty())
                continue;
            std::vector<std::string> listed = ListPresentFiles(folder);
            names_.reserve(names_.size() + listed.size());
            for (std::string& name : listed) {
                Fold(name);
                names_.push_back(std::move(name));
            }
        }
        size_t size = 64;
        while (size < 2 * names_.size())
            size *= 2;
        slots_.assign(size, Slot{});
        for (size_t i = 0; i < names_.size(); ++i) {
            size_t hash = Hash(names_[i]);
            Slot& slot = find(names_[i], hash);
            if (slot.index == 0)
                slot = {static_cast<uint32_t>(hash), static_cast<uint32_t>(i + 1)};
        }
    }
    bool has(std::string_view zip) {
        key_.assign(zip);
        key_ += ".zip";
        Fold(key_);
        return find(key_, Hash(key_)).index != 0;
    }

private:
    struct Slot {
        uint32_t hash = 0;  // the low bits of the name's hash
        uint32_t index = 0; // 1 + the name's position in names_; 0 for an empty slot
    };
    // FoldCase by table: every name of a folder and every zip asked for is folded.
    static void Fold(std::string& name) {
        static const std::array<char, 256> table = [] {
            std::array<char, 256> folded{};
            for (size_t c = 0; c < folded.size(); ++c)
                folded[c] = FoldCase(static_cast<char>(c));
            return folded;
        }();
        for (char& c : name)
            c = table[static_cast<unsigned char>(c)];
    }
    static size_t Hash(std::string_view name) { return std::hash<std::string_view>{}(name); }
    // The slot holding "name", or the empty slot where it would go.
    Slot& find(std::string_view name, size_t hash) {
        size_t mask = slots_.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.index == 0 ||
                (slot.hash == static_cast<uint32_t>(hash) && names_[slot.index - 1] == name))
                return slot;
        }
    }

    std::vector<std::string> names_;
    std::vector<Slot> slots_; // a power of two in size, at most half full
    std::string key_;         // reused for every lookup
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
    if (IsNeoGeoSet(parent))
        return set;
    if (type == "C")
        return parent;
    return std::nullopt;
}

} // namespace

std::string ScanFilePath(const DataFiles& files, Emu emu) {
    return files.path("Cfg", std::string(Section(emu).baseName) + ".scn");
}

ScanResult ScanRoms(DataFiles& files, Emu emu, const ScanRequest& request) {
    ScanResult result;
    if (!Section(emu).hasScan)
        return result;
    const bool altFolder = Section(emu).hasAltRomPath;
    std::shared_ptr<const RecordLines> records = files.records(files.dataFilePath(emu));
    if (!records->ok()) {
        result.dataFileUnreadable = true;
        return result;
    }
    std::vector<std::string> folders{request.romPath};
    if (altFolder)
        folders.push_back(request.altRomPath);
    ZipIndex zips(folders);
    bool merged = altFolder && request.merged;

    std::string bytes;
    bytes.reserve(records->lines().size() * 40);
    for (std::string_view record : records->lines()) {
        std::optional<std::string_view> zip = ChosenZip(record, merged);
        if (!zip)
            continue;
        bool present = zips.has(*zip);
        result.found += present ? 1 : 0;
        bytes += '"';
        bytes += RecordField(record, kName);
        bytes += present ? ";Y\"\r\n" : ";N\"\r\n";
    }
    std::string path = ScanFilePath(files, emu);
    result.written = WriteFileAtomically(path, bytes, Durability::Replaceable).saved;
    if (!result.written) {
        result.found = 0;
        result.notWritten = path;
    }
    return result;
}

} // namespace arvok
