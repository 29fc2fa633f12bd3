// The five command lines, built from a game's record as the window loads it. The line begins
// with the program and the set, holds no line break or NUL, names each switch once and is made
// of whole switches. Each option reaches the line through its own switch only: ticking a check
// box changes one switch (only "1" ticks it), choosing another item of a combo changes the
// switches of that combo alone, every item of a combo tells on the line, and an index past the
// combo's items gives no switch. A closed gate silences its switch whatever the index.
#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

#include "fuzz_support.h"
#include "launch/command_line.h"
#include "platform/clock.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace {

// A program path or a set name as the line can carry them: no blanks (the line is split at
// blanks), no NUL, not beginning with "-" (it would read as a switch).
std::string Word(FuzzedDataProvider& input) {
    std::string word = OneLine(input, 16);
    word.erase(std::remove_if(word.begin(), word.end(),
                              [](char c) { return c == ' ' || c == '\t' || c == '\0'; }),
               word.end());
    if (!word.empty() && word[0] == '-')
        word[0] = '_';
    return word;
}

// The head: the program, the set and what the section puts around the set.
std::string Head(Emu emu, const std::string& program, const std::string& set) {
    return program + (emu == Emu::Raine ? " -game " : " ") + set;
}

// The switches after the head, each from its " -" and a letter up to the next.
std::vector<std::string> Switches(const std::string& tail) {
    std::vector<std::string> parts;
    for (size_t at = 0; at < tail.size(); ++at) {
        bool starts = tail.compare(at, 2, " -") == 0 && at + 2 < tail.size() &&
                      std::isalpha(static_cast<unsigned char>(tail[at + 2]));
        if (starts || parts.empty())
            parts.emplace_back();
        parts.back() += tail[at];
    }
    return parts;
}

// The gates of the switch tables: a disabled resolution combo, MAME's sample rate while the
// sound card is 0, Callus's sample rate while no sound is ticked.
struct Gate {
    Emu emu;
    std::size_t slot;     // the gated combo
    std::size_t gateSlot; // the slot that closes it, or 0 for the resolution's enabled state
    const char* closedBy; // the value of "gateSlot" that closes it
};
const Gate kGates[] = {
    {Emu::Mame, mame::ScreenRes, 0, ""},
    {Emu::M72, m72::VR, 0, ""},
    {Emu::Mame, mame::SampleRate, mame::SoundCard, "0"},
    {Emu::Callus, callus::SampleRate, callus::NoSound, "1"},
};

struct Builder {
    Emu emu;
    std::string program, set;

    std::string line(const GameOptions& options) const {
        std::string line = CommandLine(emu, program, set, options);
        std::string head = Head(emu, program, set);
        FUZZ_CHECK(line.compare(0, head.size(), head) == 0, line);
        FUZZ_CHECK(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos, line);
        std::string tail = line.substr(head.size());
        FUZZ_CHECK(tail.empty() || Switches(tail)[0].compare(0, 2, " -") == 0, line);
        // Each switch once; Callus names its input switch once per player.
        std::vector<std::string> words;
        for (size_t at = 0, end; at < tail.size(); at = end + 1) {
            end = std::min(tail.find(' ', at), tail.size());
            words.push_back(tail.substr(at, end - at));
        }
        std::set<std::string> seen;
        for (size_t i = 0; i < words.size(); ++i) {
            const std::string& word = words[i];
            if (word.size() < 2 || word[0] != '-' ||
                !std::isalpha(static_cast<unsigned char>(word[1])))
                continue;
            std::string name =
                word == "-setinput" && i + 1 < words.size() ? word + " " + words[i + 1] : word;
            FUZZ_CHECK(seen.insert(name).second, name + " twice in " + line);
        }
        return tail;
    }
};

// How two lines differ: the switches of "a" that "b" lacks and those "b" adds, by position.
struct Difference {
    std::vector<size_t> removed, added;
};

std::vector<size_t> Unmatched(const std::vector<std::string>& from,
                              const std::vector<std::string>& in) {
    std::multiset<std::string> pool(in.begin(), in.end());
    std::vector<size_t> left;
    for (size_t i = 0; i < from.size(); ++i) {
        auto found = pool.find(from[i]);
        if (found == pool.end())
            left.push_back(i);
        else
            pool.erase(found);
    }
    return left;
}

Difference Compare(const std::string& a, const std::string& b) {
    std::vector<std::string> sa = Switches(a), sb = Switches(b);
    return {Unmatched(sa, sb), Unmatched(sb, sa)};
}

// At most "most" switches side by side.
bool Run(const std::vector<size_t>& at, size_t most) {
    return at.size() <= most && (at.empty() || at.back() - at.front() + 1 == at.size());
}

// The line of "options" with "slot" set to "value"; "options" are left as they were.
std::string LineWith(const Builder& b, GameOptions& options, std::size_t slot,
                     const std::string& value) {
    std::string kept = std::move(options.fields[slot]);
    options.fields[slot] = value;
    std::string line = b.line(options);
    options.fields[slot] = std::move(kept);
    return line;
}

// The same options with the gates of "slot" open.
GameOptions Opened(Emu emu, GameOptions options, std::size_t slot) {
    for (const Gate& gate : kGates)
        if (gate.emu == emu && gate.slot == slot) {
            if (gate.gateSlot == 0)
                options.resolutionEnabled = true;
            else
                options.fields[gate.gateSlot] = gate.closedBy == std::string("0") ? "1" : "0";
        }
    return options;
}

void CheckCombo(const Builder& b, const GameOptions& options, std::size_t slot, size_t items,
                FuzzedDataProvider& input) {
    GameOptions open = Opened(b.emu, options, slot);
    std::vector<std::string> lines;
    for (int index = -1; index < static_cast<int>(items); ++index)
        lines.push_back(LineWith(b, open, slot, std::to_string(index)));
    // Every item tells; at most one pair of items (two that give nothing, Callus's two joystick
    // items of the second player) does not.
    std::set<std::string> distinct(lines.begin() + 1, lines.end());
    FUZZ_CHECK(distinct.size() + 1 >= items,
               std::to_string(slot) + ": " + std::to_string(distinct.size()) + " lines");
    for (const std::string& line : lines) {
        Difference d = Compare(lines[0], line);
        FUZZ_CHECK(Run(d.removed, 2) && Run(d.added, 2), lines[0] + " / " + line);
    }
    // An index past the items: the line of some item, less that item's switches.
    int past = input.PickValueInArray(
        {static_cast<int>(items), static_cast<int>(items) + 1, 999999999,
         input.ConsumeIntegralInRange<int>(static_cast<int>(items), 999999999)});
    std::string line = LineWith(b, open, slot, std::to_string(past));
    bool some = false;
    for (size_t i = 0; i < lines.size() && !some; ++i) {
        Difference d = Compare(lines[i], line);
        some = d.added.empty() && Run(d.removed, 2);
    }
    FUZZ_CHECK(some, std::to_string(slot) + " at " + std::to_string(past) + ": " + line);
    // A closed gate: the index does not matter.
    for (const Gate& gate : kGates) {
        if (gate.emu != b.emu || gate.slot != slot)
            continue;
        GameOptions closed = open;
        if (gate.gateSlot == 0)
            closed.resolutionEnabled = false;
        else
            closed.fields[gate.gateSlot] = gate.closedBy;
        std::string first = LineWith(b, closed, slot, "-1");
        for (int index = 0; index <= static_cast<int>(items); ++index)
            FUZZ_CHECK(LineWith(b, closed, slot, std::to_string(index)) == first, first);
    }
}

void CheckCheckBox(const Builder& b, GameOptions& options, std::size_t slot,
                   FuzzedDataProvider& input) {
    std::string clear = LineWith(b, options, slot, "0");
    std::string ticked = LineWith(b, options, slot, "1");
    std::string other = OneLine(input, 4);
    if (other != "1")
        FUZZ_CHECK(LineWith(b, options, slot, other) == clear, other + ": " + clear);
    // A box that closes a gate also silences the gated switch.
    size_t most = 1;
    for (const Gate& gate : kGates)
        most += gate.emu == b.emu && gate.gateSlot == slot ? 1 : 0;
    Difference d = Compare(clear, ticked);
    FUZZ_CHECK(d.removed.size() + d.added.size() <= most, clear + " / " + ticked);
}

// MAME's offsets: "0" gives nothing, another text one switch that ends in it.
void CheckOffset(const Builder& b, GameOptions& options, std::size_t slot,
                 FuzzedDataProvider& input) {
    std::string text = std::to_string(input.ConsumeIntegralInRange(-99999, 99999));
    std::string zero = LineWith(b, options, slot, "0");
    std::string set = LineWith(b, options, slot, text);
    Difference d = Compare(zero, set);
    FUZZ_CHECK(d.removed.empty() && d.added.size() == (text == "0" ? 0u : 1u), zero + " / " + set);
    if (!d.added.empty()) {
        std::string added = Switches(set)[d.added[0]];
        FUZZ_CHECK(
            added.size() > text.size() + 1 &&
                added.compare(added.size() - text.size() - 1, std::string::npos, " " + text) == 0,
            added);
    }
}

// A record as a user may have left it: items of every kind, some fitting, some not.
std::string Record(Emu emu, FuzzedDataProvider& input) {
    if (input.ConsumeBool())
        return "\"game\"," + OneLine(input, 300);
    const GameSettingsTable& table = GameSettingsTableOf(emu);
    std::string record = "\"game\",\"/home/player/arcade/roms\"";
    for (const GameOption& option : table.options) {
        int top = static_cast<int>(option.items.empty() ? 1 : option.items.size() - 1);
        record += ",";
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            record += std::to_string(input.ConsumeIntegralInRange(-1, top));
            break;
        case 1:
            record += std::to_string(input.ConsumeIntegralInRange(-3, top + 3));
            break;
        case 2: {
            std::string text = OneLine(input, 6);
            text.erase(std::remove(text.begin(), text.end(), ','), text.end());
            record += text;
            break;
        }
        default:
            break;
        }
    }
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Root();
    FuzzedDataProvider input(data, size);
    Builder b{PickEmu(input), Word(input), Word(input)};
    std::tm now{};
    now.tm_hour = input.ConsumeIntegralInRange(0, 23);
    now.tm_min = input.ConsumeIntegralInRange(0, 59);
    now.tm_sec = input.ConsumeIntegralInRange(0, 59);
    now.tm_mday = input.ConsumeIntegralInRange(1, 31);
    now.tm_mon = input.ConsumeIntegralInRange(0, 11);
    now.tm_year = input.ConsumeIntegralInRange(70, 199);
    SetClock([now] { return now; });

    // The window loads the game's record into its page and starts the game from the page.
    Put("Cfg/" + GameSettingsTableOf(b.emu).fileName, Record(b.emu, input) + "\r\n");
    GameOptions options;
    options.fields = GameSettings().load(b.emu, "game").fields;
    options.resolutionEnabled = input.ConsumeBool();
    options.playback = input.ConsumeBool();
    options.inpName = Word(input) + (input.ConsumeBool() ? ".inp" : "");
    std::string line = b.line(options);

    // A disabled resolution combo takes one switch off the line at most.
    GameOptions enabled = options, disabled = options;
    enabled.resolutionEnabled = true;
    disabled.resolutionEnabled = false;
    Difference d = Compare(b.line(enabled), b.line(disabled));
    FUZZ_CHECK(d.added.empty() && d.removed.size() <= 1, line);

    // A few options each run, so that the runs stay many.
    const GameSettingsTable& table = GameSettingsTableOf(b.emu);
    for (int n = 0; n < 2; ++n) {
        std::size_t slot = input.ConsumeIntegralInRange<std::size_t>(1, table.options.size());
        const GameOption& option = table.option(slot);
        switch (option.kind) {
        case OptionKind::Combo:
            CheckCombo(b, options, slot, option.items.size(), input);
            break;
        case OptionKind::Check:
            CheckCheckBox(b, options, slot, input);
            break;
        case OptionKind::Text:
            CheckOffset(b, options, slot, input);
            break;
        }
    }
    SetClock({});
    return 0;
}
