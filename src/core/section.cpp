#include "core/section.h"

namespace arvok {

namespace {

static_assert(Index(kAllEmus.back()) + 1 == kSectionCount);
static_assert([] {
    for (std::size_t i = 0; i < kSectionCount; ++i)
        if (Index(kAllEmus[i]) != i)
            return false;
    return true;
}());

// What a section has, as the flags of its row.
enum Has : unsigned {
    Filters = 1 << 0,
    Scan = 1 << 1,
    History = 1 << 2,
    GameList = 1 << 3,
    EditableFavourites = 1 << 4,
    AltRomPath = 1 << 5,
};

constexpr SectionInfo Row(Emu emu, const char* tag, const char* baseName, unsigned has) {
    SectionInfo s{};
    s.emu = emu;
    s.tag = tag;
    s.baseName = baseName;
    s.hasFilters = has & Filters;
    s.hasScan = has & Scan;
    s.hasHistory = has & History;
    s.hasGameList = has & GameList;
    s.editableFavourites = has & EditableFavourites;
    s.hasAltRomPath = has & AltRomPath;
    return s;
}

constexpr PerSection<SectionInfo> kSections{
    Row(Emu::Mame, "MAME", "Mame",
        Filters | Scan | History | GameList | EditableFavourites | AltRomPath),
    Row(Emu::Callus, "CALLUS", "Callus", Filters | Scan | History | GameList | EditableFavourites),
    Row(Emu::Raine, "RAINE", "Raine", Filters | Scan | GameList | EditableFavourites),
    Row(Emu::System16, "SYSTEM16", "System16", GameList | EditableFavourites),
    Row(Emu::M72, "M72", "M72", 0),
};
static_assert(EachRowAtItsPlace(kSections));

} // namespace

const SectionInfo& Section(Emu emu) {
    return kSections[Index(emu)];
}

std::optional<Emu> EmuFromTag(std::string_view tag) {
    for (const auto& s : kSections)
        if (tag == s.tag)
            return s.emu;
    return std::nullopt;
}

std::string ObjectName(Emu emu, std::string_view prefix, std::string_view suffix) {
    std::string name(prefix);
    name += Section(emu).baseName;
    name += suffix;
    return name;
}

} // namespace arvok
