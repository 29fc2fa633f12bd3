// The per-game settings file of every section. A file as a user may have left it loads, saves
// and loads again to the same fields under any game name, and a second save writes the same
// bytes. In a file of records the program wrote, each game gets its own fields back, a save
// changes its game's line only (in place, or at the end for a game new to the file), every
// other line is kept byte for byte and in order, and "All" leaves the one default record. A ROM
// folder comes back as it was saved, quotes, commas and control bytes included, or, where a
// quote followed by a comma would end it early or it holds a line break or a NUL, the save and
// "All" refuse it and leave the file; so does a save under a game name holding either. A
// file that is not text (UTF-16, a NUL byte) reads as empty and is never written over.
#include <algorithm>
#include <vector>

#include "fuzz_support.h"
#include "platform/text_file.h"
#include "settings/game_settings.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace {

std::string Rel(Emu emu) {
    return "Cfg/" + GameSettingsTableOf(emu).fileName;
}

std::vector<std::string> Lines(Emu emu) {
    std::vector<std::string> lines;
    ReadLines(GameSettingsPath(Settings(), emu), lines);
    return lines;
}

std::string Describe(Emu emu, const SettingsFields& fields) {
    std::string text;
    for (size_t slot = 0; slot <= GameSettingsTableOf(emu).options.size(); ++slot)
        text += fields[slot] + "|";
    return text;
}

struct Loaded {
    SettingsFields values;
    std::string fields;
    SettingsSource source;
};

// Whether "fields" hold what the settings page can show: a combo's index or -1, a check box's
// 0 or 1, an offset of an optional "-" and digits.
bool Valid(Emu emu, const SettingsFields& fields) {
    const GameSettingsTable& table = GameSettingsTableOf(emu);
    for (size_t slot = 1; slot <= table.options.size(); ++slot) {
        const GameOption& option = table.option(slot);
        const std::string& text = fields[slot];
        bool valid = false;
        switch (option.kind) {
        case OptionKind::Combo:
            for (int index = -1; index < static_cast<int>(option.items.size()); ++index)
                valid = valid || text == std::to_string(index);
            break;
        case OptionKind::Check:
            valid = text == "0" || text == "1";
            break;
        case OptionKind::Text: {
            size_t digits = text.compare(0, 1, "-") == 0 ? 1 : 0;
            valid = text.size() > digits &&
                    text.find_first_not_of("0123456789", digits) == std::string::npos;
            break;
        }
        }
        if (!valid)
            return false;
    }
    return true;
}

Loaded Load(Emu emu, const std::string& key) {
    Loaded loaded;
    GameLoad load = GameSettings().load(emu, key);
    loaded.values = load.fields;
    loaded.source = load.source;
    FUZZ_CHECK(load.Trovato == (loaded.source != SettingsSource::BuiltIn), key);
    loaded.fields = Describe(emu, loaded.values);
    FUZZ_CHECK(Valid(emu, loaded.values), loaded.fields);
    return loaded;
}

// A quote in "folder" that a record cannot keep, or npos: the record holds the folder in quotes
// without escaping, so a quote followed by blanks and a comma would close it.
size_t UnfitQuote(const std::string& folder) {
    for (size_t q = folder.find('"'); q != std::string::npos; q = folder.find('"', q + 1)) {
        size_t after = folder.find_first_not_of(" \t", q + 1);
        if (after != std::string::npos && folder[after] == ',')
            return q;
    }
    return std::string::npos;
}

bool Fits(const std::string& folder) {
    return UnfitQuote(folder) == std::string::npos && FitsOneLine(folder);
}

// "fields" with every line break and NUL of the ROM folder made a blank, then every quote that
// the record cannot keep made an apostrophe (a blank put in may leave a quote unfit).
SettingsFields Fitting(SettingsFields fields) {
    std::string& folder = fields[kRomPathSlot];
    for (char& c : folder)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    for (size_t q = UnfitQuote(folder); q != std::string::npos; q = UnfitQuote(folder))
        folder[q] = '\'';
    return fields;
}

// Fields as the settings page gives them: a ROM folder as typed, often with quotes and commas, a
// combo's index or -1, a check box's 0 or 1, an offset as typed (an optional "-" and digits).
SettingsFields Generated(Emu emu, FuzzedDataProvider& input) {
    const GameSettingsTable& table = GameSettingsTableOf(emu);
    SettingsFields fields;
    fields[kRomPathSlot] = OneLine(input, 24);
    if (input.ConsumeBool())
        fields[kRomPathSlot] +=
            input.PickValueInArray({"\",", "\" ,", "\"", ","}) + OneLine(input, 16);
    if (input.ConsumeIntegralInRange(0, 3) == 0)
        fields[kRomPathSlot] = WithControlByte(input, fields[kRomPathSlot]);
    for (size_t slot = 1; slot <= table.options.size(); ++slot) {
        const GameOption& option = table.option(slot);
        switch (option.kind) {
        case OptionKind::Combo:
            fields[slot] = std::to_string(
                input.ConsumeIntegralInRange<int>(-1, static_cast<int>(option.items.size()) - 1));
            break;
        case OptionKind::Check:
            fields[slot] = input.ConsumeBool() ? "1" : "0";
            break;
        case OptionKind::Text:
            fields[slot] = input.ConsumeBool() ? "-" : "";
            for (int n = input.ConsumeIntegralInRange(1, 12); n > 0; --n)
                fields[slot] += static_cast<char>('0' + input.ConsumeIntegralInRange(0, 9));
            break;
        }
    }
    return fields;
}

// Whether one file can keep the records of "a" and "b" apart. It cannot where the longer name
// goes on past the shorter one's closing quote and a comma with what reads as the shorter one's
// ROM folder: an item that begins with a quote, or holds no quote before its first comma. The
// line "Jerry","Tom","/roms",0 is as much Jerry's record (ROM folder Tom) as that of the game
// Jerry","Tom; so is "Jerry",Tom, Jr","/roms",0. `Jerry", the Mouse` and Jerry are kept apart.
bool Apart(const std::string& a, const std::string& b) {
    const std::string& shorter = a.size() < b.size() ? a : b;
    const std::string& longer = a.size() < b.size() ? b : a;
    if (shorter == longer)
        return false;
    if (longer.compare(0, shorter.size() + 2, shorter + "\",") != 0)
        return true;
    std::string_view rest = std::string_view(longer).substr(shorter.size() + 2);
    size_t first = rest.find_first_not_of(" \t");
    if (first == std::string_view::npos || rest[first] == '"')
        return false;
    size_t comma = rest.find(',');
    return comma == std::string_view::npos || rest.substr(0, comma).find('"') != std::string::npos;
}

// A game name: often one that goes on past an earlier name's quote and comma, the names the
// file has to tell apart.
std::string GameName(FuzzedDataProvider& input, const std::vector<std::string>& earlier) {
    if (!earlier.empty() && input.ConsumeBool()) {
        const std::string& base =
            earlier[input.ConsumeIntegralInRange<size_t>(0, earlier.size() - 1)];
        return base + input.PickValueInArray({"\",", "\", ", "\"", ","}) + OneLine(input, 12);
    }
    return OneLine(input, 24);
}

// A line the user left in the file that is no record of any of "keys" (nor of "[DEFAULT]"):
// it neither begins with a name bare nor with a name in quotes followed by its closing quote.
bool Foreign(const std::string& line, const std::vector<std::string>& keys) {
    for (const std::string& key : keys)
        if (line.compare(0, key.size(), key) == 0 ||
            line.compare(0, key.size() + 2, "\"" + key + "\"") == 0)
            return false;
    return line.compare(0, kDefaultKey.size(), kDefaultKey) != 0 &&
           line.compare(0, kDefaultKey.size() + 2, "\"" + kDefaultKey + "\"") != 0;
}

void ReadSaveRead(Emu emu, const std::string& key, std::string_view bytes) {
    Put(Rel(emu), bytes);
    if (!IsTextFile(bytes)) {
        FUZZ_CHECK(Load(emu, key).source == SettingsSource::BuiltIn, key);
        const SettingsFields defaults = BuiltInDefaults(Settings(), emu);
        FUZZ_CHECK(key.empty() || !GameSettings().save(emu, key, defaults).saved(), key);
        FUZZ_CHECK(!GameSettings().applyToAll(emu, defaults).saved() && Get(Rel(emu)) == bytes,
                   key);
        return;
    }
    std::vector<std::string> before = Lines(emu);
    Loaded first = Load(emu, key);
    const SettingsFields& fields = first.values;
    if (key.empty() || !FitsOneLine(key)) {
        FUZZ_CHECK(!GameSettings().save(emu, key, fields).saved(), "the name is refused");
        FUZZ_CHECK(Get(Rel(emu)) == bytes, "a name refused leaves the file");
        return;
    }
    FUZZ_CHECK(GameSettings().save(emu, key, fields).saved(), key);
    std::string saved = Get(Rel(emu));
    Loaded second = Load(emu, key);
    FUZZ_CHECK(second.source == SettingsSource::GameRecord, key);
    FUZZ_CHECK(first.fields == second.fields, first.fields + " / " + second.fields);

    // The game's lines became its record in place; without one, the record was added at the
    // end. Every other line stays.
    std::vector<std::string> after = Lines(emu);
    FUZZ_CHECK(after.size() == before.size() || after.size() == before.size() + 1, saved);
    std::string record = after.size() > before.size() ? after.back() : std::string();
    for (size_t i = 0; i < before.size(); ++i) {
        if (after[i] == before[i])
            continue;
        FUZZ_CHECK(after.size() == before.size(), "a line changed and a record was added");
        if (record.empty())
            record = after[i];
        FUZZ_CHECK(after[i] == record, before[i] + " / " + after[i]);
    }

    FUZZ_CHECK(GameSettings().save(emu, key, fields).saved(), key);
    FUZZ_CHECK(Get(Rel(emu)) == saved, saved);
}

void WriteRead(Emu emu, FuzzedDataProvider& input) {
    std::vector<std::string> keys;
    for (int n = input.ConsumeIntegralInRange(1, 6); n > 0; --n) {
        std::string key = GameName(input, keys);
        bool apart = !key.empty() && Apart(key, kDefaultKey);
        for (const std::string& other : keys)
            apart = apart && Apart(key, other);
        if (apart)
            keys.push_back(key);
    }
    if (keys.empty())
        return;

    // The file: foreign lines, the records of some of the games and maybe "[DEFAULT]", in a
    // fuzzed order.
    std::vector<std::string> lines;
    std::vector<std::optional<std::string>> expected(keys.size());
    std::vector<size_t> at(keys.size());
    std::optional<std::string> fallback;
    for (int n = input.ConsumeIntegralInRange(0, 10); n > 0; --n) {
        size_t pick = input.ConsumeIntegralInRange<size_t>(0, keys.size() + 1);
        if (pick < keys.size() && !expected[pick]) {
            SettingsFields fields = Fitting(Generated(emu, input));
            expected[pick] = Describe(emu, fields);
            at[pick] = lines.size();
            lines.push_back(EncodeRecord(emu, keys[pick], fields));
        } else if (pick == keys.size() && !fallback) {
            SettingsFields fields = Fitting(Generated(emu, input));
            fallback = Describe(emu, fields);
            lines.push_back(EncodeRecord(emu, kDefaultKey, fields));
        } else if (std::string line = OneLine(input, 40);
                   Foreign(line, keys) &&
                   !(lines.empty() && (line.rfind("\xEF\xBB\xBF", 0) == 0 || !IsTextFile(line)))) {
            // A mark at the file's start belongs to no line: the reader skips a UTF-8 one and a
            // save drops it, so a first line beginning with one would not come back as it was; a
            // UTF-16 one makes the file one that is not read.
            lines.push_back(line);
        }
    }
    Put(Rel(emu), JoinCrLf(lines));
    const std::string builtIn = Describe(emu, BuiltInDefaults(Settings(), emu));
    auto expect = [&](size_t i) {
        Loaded got = Load(emu, keys[i]);
        if (expected[i]) {
            FUZZ_CHECK(got.source == SettingsSource::GameRecord && got.fields == *expected[i],
                       keys[i] + ": " + *expected[i] + " / " + got.fields);
        } else {
            FUZZ_CHECK(got.source ==
                           (fallback ? SettingsSource::DefaultRecord : SettingsSource::BuiltIn),
                       keys[i]);
            FUZZ_CHECK(got.fields == fallback.value_or(builtIn), keys[i] + ": " + got.fields);
        }
    };
    for (size_t i = 0; i < keys.size(); ++i)
        expect(i);

    // A ROM folder the record cannot keep is refused, and the file stays as it was.
    size_t game = input.ConsumeIntegralInRange<size_t>(0, keys.size() - 1);
    SettingsFields fields = Generated(emu, input);
    bool fits = Fits(fields[kRomPathSlot]);
    settings_io::SettingsSave store = GameSettings().save(emu, keys[game], fields);
    FUZZ_CHECK(store.saved() == fits && store.refused.has_value() == !fits, fields[kRomPathSlot]);
    if (!fits) {
        FUZZ_CHECK(Get(Rel(emu)) == JoinCrLf(lines), fields[kRomPathSlot]);
        FUZZ_CHECK(GameSettings().applyToAll(emu, fields).refused.has_value(),
                   fields[kRomPathSlot]);
        FUZZ_CHECK(Get(Rel(emu)) == JoinCrLf(lines), fields[kRomPathSlot]);
        return;
    }
    std::string saved = Get(Rel(emu));
    std::vector<std::string> after = Lines(emu);
    FUZZ_CHECK(after.size() == lines.size() + (expected[game] ? 0 : 1), saved);
    for (size_t i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(after[i] == lines[i] || (expected[game] && i == at[game]),
                   lines[i] + " / " + after[i]);
    expected[game] = Describe(emu, fields);
    for (size_t i = 0; i < keys.size(); ++i)
        expect(i);
    FUZZ_CHECK(GameSettings().save(emu, keys[game], fields).saved(), keys[game]);
    FUZZ_CHECK(Get(Rel(emu)) == saved, saved);

    // "All": the one default record, which every game then shows.
    if (input.ConsumeBool()) {
        SettingsFields all = Fitting(Generated(emu, input));
        FUZZ_CHECK(GameSettings().applyToAll(emu, all).saved(), Rel(emu));
        FUZZ_CHECK(Lines(emu).size() == 1, Get(Rel(emu)));
        fallback = Describe(emu, all);
        Loaded got = Load(emu, kDefaultKey);
        FUZZ_CHECK(got.source == SettingsSource::GameRecord && got.fields == *fallback, got.fields);
        std::fill(expected.begin(), expected.end(), std::nullopt);
        for (size_t i = 0; i < keys.size(); ++i)
            expect(i);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Root();
    FuzzedDataProvider input(data, size);
    Emu emu = PickEmu(input);
    if (input.ConsumeBool()) {
        WriteRead(emu, input);
    } else {
        std::string key = OneLine(input, 32);
        if (input.ConsumeIntegralInRange(0, 7) == 0)
            key = WithControlByte(input, key);
        const uint32_t choice = input.ConsumeIntegral<uint32_t>();
        ReadSaveRead(emu, key, MaybeNotText(choice, input.ConsumeRemainingBytesAsString()));
    }
    return 0;
}
