// layouts.dat and arvok.ini. Any layouts file reads without a fault, one name for each header
// line; a change of the layout manager alters the named layout's lines only, every other line
// stays byte for byte and in order, and a stored layout reads back as it was stored, positions
// and sizes over the whole 32-bit range. The options read back as written, and start-up applies
// what the options and the layouts file say. A file that is not text (UTF-16, a NUL byte) counts
// as one that could not be read: no change writes over it.
#include <algorithm>
#include <climits>
#include <vector>

#include "fuzz_support.h"
#include "platform/text_file.h"
#include "settings/layout_files.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace {

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    ReadLines(path, lines);
    return lines;
}

std::string Describe(const LayoutRead& read) {
    std::string text = std::to_string(static_cast<int>(read.stop)) + ":";
    for (const Placement& p : read.placements)
        text += " " + (p.section ? std::string(Section(*p.section).tag) : std::string("MAIN")) +
                "," + std::to_string(p.top) + "," + std::to_string(p.left) + "," +
                std::to_string(p.width) + "," + std::to_string(p.height);
    return text;
}

// The lines of the first layout named "name": its header up to the next line beginning with
// "[" or the end; both at the end when there is none.
std::pair<size_t, size_t> Extent(const std::vector<std::string>& lines, const std::string& name) {
    auto header = std::find(lines.begin(), lines.end(), "[" + name + "]");
    auto next = header == lines.end() ? header : std::find_if(header + 1, lines.end(), [](auto& l) {
        return l.compare(0, 1, "[") == 0;
    });
    return {static_cast<size_t>(header - lines.begin()), static_cast<size_t>(next - lines.begin())};
}

// "lines" less [from, to), with "middle" in their place.
std::vector<std::string> Spliced(const std::vector<std::string>& lines, size_t from, size_t to,
                                 const std::vector<std::string>& middle) {
    std::vector<std::string> out(lines.begin(), lines.begin() + from);
    out.insert(out.end(), middle.begin(), middle.end());
    out.insert(out.end(), lines.begin() + to, lines.end());
    return out;
}

int AnyInt(FuzzedDataProvider& input) {
    return input.PickValueInArray({0, 1, -1, INT_MAX, INT_MIN, input.ConsumeIntegral<int>()});
}

// The launcher, then some section windows, as the manager stores them.
std::vector<Placement> Placements(FuzzedDataProvider& input) {
    std::vector<Placement> placements(1);
    placements[0].top = AnyInt(input);
    placements[0].left = AnyInt(input);
    for (int n = input.ConsumeIntegralInRange(0, 6); n > 0; --n) {
        Placement p;
        p.section = PickEmu(input);
        p.top = AnyInt(input);
        p.left = AnyInt(input);
        p.width = AnyInt(input);
        p.height = AnyInt(input);
        placements.push_back(p);
    }
    return placements;
}

// A name the manager may store: often one of the file's, else a new one.
std::string Name(FuzzedDataProvider& input, const std::optional<std::vector<std::string>>& names) {
    if (names && !names->empty() && input.ConsumeBool()) {
        const std::string& name =
            (*names)[input.ConsumeIntegralInRange<size_t>(0, names->size() - 1)];
        if (IsStorableLayoutName(name))
            return name;
    }
    return OneLine(input, 24);
}

// The layout names of the file as the manager lists them; none when it cannot be read.
std::optional<std::vector<std::string>> ReadLayoutNames(const std::string& path) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines))
        return std::nullopt;
    return LayoutNames(lines);
}

// Every header line gives a name; a layout found reads no more placements or window lines than
// it has lines. A file that is not there or cannot be read ("readable" false) gives no names.
void CheckReading(const std::string& path, const std::string& bytes, bool readable) {
    std::optional<std::vector<std::string>> names = ReadLayoutNames(path);
    FUZZ_CHECK(names.has_value() == readable, path);
    if (!names)
        return;
    // A line starts after a byte-order mark at the file's start, after an LF and after a CR that
    // no LF follows.
    const size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    size_t headers = bytes.compare(start, 1, "[") == 0 ? 1 : 0;
    for (size_t i = start; i + 1 < bytes.size(); ++i)
        if ((bytes[i] == '\n' || (bytes[i] == '\r' && bytes[i + 1] != '\n')) && bytes[i + 1] == '[')
            ++headers;
    FUZZ_CHECK(names->size() == headers, std::to_string(names->size()) + " names");
    std::vector<std::string> lines = Lines(path);
    for (size_t i = 0; i < names->size() && i < 8; ++i) {
        LayoutRead read = ReadLayout(path, (*names)[i]);
        auto [begin, end] = Extent(lines, (*names)[i]);
        FUZZ_CHECK((read.stop == LayoutStop::NotFound) == (begin == lines.size()), (*names)[i]);
        FUZZ_CHECK(begin == lines.size() || read.placements.size() < end - begin,
                   (*names)[i] + " " + Describe(read));
        // Every section window read is among the window lines listed, which are lines read.
        auto sections = std::count_if(read.placements.begin(), read.placements.end(),
                                      [](const Placement& p) { return p.section.has_value(); });
        FUZZ_CHECK(static_cast<size_t>(sections) <= read.windows.size() &&
                       (begin == lines.size() || read.windows.size() < end - begin),
                   (*names)[i] + " " + std::to_string(read.windows.size()) + " windows");
    }
}

void Change(const std::string& path, FuzzedDataProvider& input) {
    std::vector<std::string> before = Lines(path);
    std::string bytes = Get("layouts.dat");
    if (!IsTextFile(bytes)) {
        const std::string name = OneLine(input, 24);
        FUZZ_CHECK(!StoreLayout(path, name, {}) && !AppendLayout(path, name) &&
                       !RemoveLayout(path, name) && !RenameLayout(path, name, name + "x"),
                   name);
        FUZZ_CHECK(Get("layouts.dat") == bytes, name);
        return;
    }
    std::optional<std::vector<std::string>> names = ReadLayoutNames(path);
    std::string target = Name(input, names);
    auto [begin, end] = Extent(before, target);
    bool found = begin < before.size();
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: {
        std::vector<Placement> placements = Placements(input);
        FUZZ_CHECK(StoreLayout(path, target, placements), target);
        std::vector<std::string> after = Lines(path);
        size_t lines = placements.size() + 2;
        FUZZ_CHECK(after.size() == before.size() - (end - begin) + lines, target);
        std::vector<std::string> middle(after.begin() + begin, after.begin() + begin + lines);
        FUZZ_CHECK(after == Spliced(before, begin, end, middle), target);
        FUZZ_CHECK(middle.front() == "[" + target + "]" && middle.back() == "-", target);
        LayoutRead stored{placements, LayoutStop::Complete};
        LayoutRead read = ReadLayout(path, target);
        FUZZ_CHECK(Describe(read) == Describe(stored), Describe(stored) + " / " + Describe(read));
        break;
    }
    case 1: {
        FUZZ_CHECK(AppendLayout(path, target), target);
        FUZZ_CHECK(Lines(path) ==
                       Spliced(before, before.size(), before.size(), {"[" + target + "]", "-"}),
                   target);
        std::vector<std::string> now = ReadLayoutNames(path).value_or(std::vector<std::string>());
        FUZZ_CHECK(now.size() == names.value_or(std::vector<std::string>()).size() + 1 &&
                       now.back() == target,
                   target);
        if (!found)
            FUZZ_CHECK(Describe(ReadLayout(path, target)) == Describe({{}, LayoutStop::Complete}),
                       target);
        break;
    }
    case 2:
        FUZZ_CHECK(RemoveLayout(path, target), target);
        if (found)
            FUZZ_CHECK(Lines(path) == Spliced(before, begin, end, {}), target);
        else
            FUZZ_CHECK(Get("layouts.dat") == bytes, target);
        break;
    case 3: {
        std::string renamed = OneLine(input, 24);
        FUZZ_CHECK(RenameLayout(path, target, renamed), target);
        if (found)
            FUZZ_CHECK(Lines(path) == Spliced(before, begin, begin + 1, {"[" + renamed + "]"}),
                       target + " / " + renamed);
        else
            FUZZ_CHECK(Get("layouts.dat") == bytes, target);
        break;
    }
    }
}

// Start-up applies the default layout exactly when the options turn autoload on and name one.
void CheckStartup(const std::string& dir) {
    LayoutOptionsRead options = ReadLayoutOptions(ArvokIniPath(dir));
    LayoutRead startup = ReadStartupLayout(dir);
    LayoutRead expected;
    if (!options.autoload.value_or(false))
        expected.stop = LayoutStop::AutoloadOff;
    else if (options.defaultLayout.value_or("").empty())
        expected.stop = LayoutStop::NoDefaultName;
    else
        expected = ReadLayout(LayoutsDatPath(dir), *options.defaultLayout);
    FUZZ_CHECK(Describe(startup) == Describe(expected),
               Describe(expected) + " / " + Describe(startup));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& dir = Root();
    FuzzedDataProvider input(data, size);
    const std::string path = LayoutsDatPath(dir);
    std::string bytes = input.ConsumeRandomLengthString(8192);
    bytes = MaybeNotText(input.ConsumeIntegral<uint32_t>(), bytes);
    bool present = !bytes.empty() || input.ConsumeBool();
    if (present)
        Put("layouts.dat", bytes);
    else
        Remove("layouts.dat");
    CheckReading(path, bytes, present && IsTextFile(bytes));

    const std::string ini = ArvokIniPath(dir);
    if (input.ConsumeBool()) {
        LayoutOptions options;
        options.alwaysOnTop = input.ConsumeBool();
        options.autoload = input.ConsumeBool();
        options.defaultLayout = Name(input, ReadLayoutNames(path));
        FUZZ_CHECK(WriteLayoutOptions(ini, options), ini);
        LayoutOptionsRead read = ReadLayoutOptions(ini);
        FUZZ_CHECK(read.alwaysOnTop == options.alwaysOnTop && read.autoload == options.autoload &&
                       read.defaultLayout == options.defaultLayout,
                   options.defaultLayout + " / " + read.defaultLayout.value_or("(none)"));
    } else {
        std::string options = input.ConsumeRandomLengthString(1024);
        options = MaybeNotText(input.ConsumeIntegral<uint32_t>(), options);
        Put("arvok.ini", options);
        FUZZ_CHECK((ReadLayoutOptions(ini).file == settings_io::FileState::Unreadable) ==
                       !IsTextFile(options),
                   options);
    }
    CheckStartup(dir);

    for (int n = input.ConsumeIntegralInRange(0, 3); n > 0; --n)
        Change(path, input);
    CheckStartup(dir);
    return 0;
}
