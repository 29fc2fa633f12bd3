// The data file of every section with the game chosen from it (a record's name or another of its
// fields, the same with a character more or less) or fuzzed. The record lines are exactly the
// lines that are neither empty, nor comments, nor header lines, and hold a ";"; a record's fields
// are its pieces between ";"; the search gives the first record in file order whose field is
// the value, and nothing for a value no record holds or an empty one; the information page and
// the menu captions show that record's fields as their comments say, and nothing without one.
// Records kept from the file's state of a moment ago are never given for the file rewritten. A
// file that is not text (UTF-16, a NUL byte) counts as one that could not be read.
#include <sys/stat.h>

#include <ctime>
#include <optional>

#include "catalogue/captions.h"
#include "catalogue/data_file.h"
#include "catalogue/game_info.h"
#include "fuzz_support.h"

using namespace arvok;
using namespace arvok::fuzz;

namespace {

bool IsRecord(const std::string& line) {
    return !line.empty() && line[0] != '#' && line[0] != '*' && line.find(';') != std::string::npos;
}

std::string Describe(const std::array<std::string, kRecordFields>& fields) {
    std::string text;
    for (const std::string& field : fields)
        text += field + "|";
    return text;
}

std::array<std::string, kRecordFields> FieldsOf(std::string_view line) {
    std::array<std::string, kRecordFields> fields;
    for (int n = 1; n <= kRecordFields; ++n)
        fields[n - 1] = Piece(line, n);
    return fields;
}

void CheckRecordLines(const RecordLines& read, const std::vector<std::string_view>& records) {
    FUZZ_CHECK(read.ok(), "the data file could not be read");
    FUZZ_CHECK(read.lines().size() == records.size(),
               std::to_string(read.lines().size()) + " / " + std::to_string(records.size()));
    for (size_t i = 0; i < records.size(); ++i)
        FUZZ_CHECK(read.lines()[i] == records[i],
                   std::string(read.lines()[i]) + " / " + std::string(records[i]));
}

// Waits (a clock tick at most) until the file clock has passed the file's last change, so that
// the records read from it now may be kept.
void WaitPastChange(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return;
    timespec start{}, now{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (;;) {
        clock_gettime(CLOCK_REALTIME_COARSE, &now);
        if (now.tv_sec > info.st_ctim.tv_sec ||
            (now.tv_sec == info.st_ctim.tv_sec && now.tv_nsec > info.st_ctim.tv_nsec))
            return;
        timespec spent{};
        clock_gettime(CLOCK_MONOTONIC, &spent);
        if (spent.tv_sec > start.tv_sec + 1)
            return;
    }
}

void CheckPages(Emu emu, const std::string& name, const std::optional<std::string>& line) {
    GameInfo info = ReadGameInfo(Data(), emu, name);
    MenuCaptions captions = ReadMenuCaptions(Data(), emu, name);
    std::array<std::string, kInfoItems> texts;
    MenuCaptions expected;
    if (line) {
        std::array<std::string, kRecordFields> f = FieldsOf(*line);
        const std::string& type = f[kType - 1];
        texts[kInfoName] = f[0];
        texts[kInfoRomFile] = f[1] + ".zip";
        texts[kInfoOC] = type == "O" ? "YES" : type == "C" ? "NO" : "";
        texts[kInfoCloneOf] = f[3];
        texts[kInfoGenre] = f[4];
        texts[kInfoMadeBy] = f[5];
        texts[kInfoYear] = f[6];
        texts[kInfoPlayable] = f[7];
        texts[kInfoColors] = f[8];
        texts[kInfoSound] = f[9];
        texts[kInfoSamples] = f[9] == "Yes(1)" ? "Available" : "Not needed";
        texts[kInfoHiScore] = f[10];
        texts[kInfoCocktail] = f[11];
        texts[kInfoDriver] = f[12];
        for (int i = 0; i < 4; ++i) {
            texts[kInfoCpu1 + i] = f[13 + i];
            texts[kInfoSound1 + i] = f[17 + i];
        }
        expected = {f[5], f[6], f[4], type == "O" ? "Original" : type == "C" ? "Clone" : ""};
    }
    std::string described = "\"" + name + "\" ";
    for (int i = 0; i < kInfoItems; ++i)
        FUZZ_CHECK(info.text[i] == texts[i],
                   described + kInfoLabels[i] + ": " + info.text[i] + " / " + texts[i]);
    FUZZ_CHECK(info.found == line.has_value(), described);
    FUZZ_CHECK(captions.manufacturer == expected.manufacturer && captions.year == expected.year &&
                   captions.genre == expected.genre &&
                   captions.originalOrClone == expected.originalOrClone,
               described + captions.manufacturer + "|" + captions.year + "|" + captions.genre +
                   "|" + captions.originalOrClone);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Root();
    FuzzedDataProvider input(data, size);
    Emu emu = PickEmu(input);
    uint8_t mode = input.ConsumeIntegral<uint8_t>();
    uint16_t pick = input.ConsumeIntegral<uint16_t>();
    int number = (mode & 0x0c) == 0x0c ? input.ConsumeIntegralInRange(1, kRecordFields) : kName;
    bool keptBefore = input.ConsumeIntegral<uint8_t>() % 32 == 0;
    std::string value;
    if ((mode & 3) == 2)
        value = OneLine(input, 32);
    uint32_t ends = input.ConsumeIntegral<uint32_t>();
    uint32_t notText = input.ConsumeIntegral<uint32_t>();
    std::string bytes = input.ConsumeRemainingBytesAsString();
    if (ends & 1u << 31)
        bytes = WithLineEnds(ends, TextLines(bytes));
    bytes = MaybeNotText(notText, bytes);
    std::string rel = std::string("Data/") + Section(emu).baseName + ".dat";
    if (keptBefore) {
        // The same file held other records of the same size when it was read a clock tick ago,
        // so that the program kept them; it must see the new ones all the same.
        Put(rel, std::string(bytes.rbegin(), bytes.rend()));
        WaitPastChange(Data().dataFilePath(emu));
        Data().findGame(emu, "-");
    }
    Put(rel, bytes);

    const bool text = IsTextFile(bytes);
    std::vector<std::string> lines = text ? TextLines(bytes) : std::vector<std::string>();
    std::vector<std::string_view> records;
    for (const std::string& line : lines) {
        FUZZ_CHECK(IsRecordLine(line) == IsRecord(line), line);
        if (IsRecord(line))
            records.push_back(line);
    }
    if (text) {
        CheckRecordLines(RecordLines(Data().dataFilePath(emu)), records);
        CheckRecordLines(*Data().records(Data().dataFilePath(emu)), records);
    } else {
        FUZZ_CHECK(!RecordLines(Data().dataFilePath(emu)).ok() &&
                       !Data().records(Data().dataFilePath(emu))->ok(),
                   "a data file that is not text was read");
    }

    if ((mode & 3) != 2 && !records.empty()) {
        std::string_view chosen = records[pick % records.size()];
        FUZZ_CHECK(Describe(SplitRecord(chosen).fields) == Describe(FieldsOf(chosen)),
                   std::string(chosen));
        value = Piece(chosen, number);
        if ((mode & 3) == 3 && (mode & 0x10) && !value.empty())
            value.pop_back();
        else if ((mode & 3) == 3)
            value += static_cast<char>(mode & 0x20 ? ' ' : 'a' + pick % 26);
    }
    std::optional<std::string> first;
    if (!value.empty())
        for (std::string_view line : records)
            if (Piece(line, number) == value) {
                first = std::string(line);
                break;
            }

    std::optional<GameRecord> found = Data().findGame(emu, value, number);
    FUZZ_CHECK(found.has_value() == first.has_value(), "\"" + value + "\"");
    if (found)
        FUZZ_CHECK(Describe(found->fields) == Describe(SplitRecord(*first).fields),
                   "\"" + value + "\" " + Describe(found->fields) + " / " + *first);
    if (number == kName)
        CheckPages(emu, value, first);
    return 0;
}
