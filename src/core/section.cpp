#include "core/section.h"

namespace arvok {

namespace {
constexpr std::array<SectionInfo, 5> kSections{{
    {Emu::Mame, "MAME", "Mame", true, true, true, true, true, true},
    {Emu::Callus, "CALLUS", "Callus", true, true, true, true, true, false},
    {Emu::Raine, "RAINE", "Raine", true, true, false, true, true, false},
    {Emu::System16, "SYSTEM16", "System16", false, false, false, true, true, false},
    {Emu::M72, "M72", "M72", false, false, false, false, false, false},
}};
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
