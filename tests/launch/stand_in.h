// A stand-in emulator for the launch tests: a shell script that notes, while it runs, its
// arguments, its blocked signals, what its ROM folder holds and the batch file it was started from
// (which is gone once the launch is over).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/path.h"
#include "platform/text_file.h"
#include "support/test_support.h"

namespace arvok::test {

// What the stand-in saw during its run; "ran" is false when it never started.
struct StandInRun {
    bool ran = false;
    std::vector<std::string> args;
    std::vector<std::string> romFolder; // file names, sorted
    std::string zips;                   // the bytes of its zips, one after another
    std::string batch;                  // bytes of lancia.bat
    std::string mask;                   // its blocked signals, in hexadecimal
    std::string ignored;                // its ignored signals, in hexadecimal
};

class StandIn {
public:
    // The program "emu" in "emulatorDir", which lists "romFolder" while it runs; its notes go to
    // "notes". "ending" ends the script ("exit 3").
    StandIn(const std::string& emulatorDir, const std::string& romFolder, const std::string& notes,
            const std::string& ending = "")
        : program_(JoinPath(emulatorDir, "emu")), notes_(notes) {
        std::filesystem::create_directories(notes);
        WriteScript(program_, "{ for a in \"$@\"; do echo \"arg=$a\"; "
                              "done; echo \"mask=$(grep SigBlk /proc/$$/status | cut -f2)\"; "
                              "echo \"ignored=$(grep SigIgn /proc/$$/status | cut -f2)\"; } > '" +
                                  notes + "/run.log'\nls -1 '" + romFolder + "' > '" + notes +
                                  "/roms.txt'\ncat '" + romFolder + "'/*.zip 2>/dev/null > '" +
                                  notes + "/zips.txt'\ncp lancia.bat '" + notes + "/lancia.bat'\n" +
                                  ending + "\n");
    }
    const std::string& program() const { return program_; }

    // Forgets an earlier run.
    void reset() const {
        for (const char* note : {"run.log", "roms.txt", "zips.txt", "lancia.bat"})
            std::filesystem::remove(JoinPath(notes_, note));
    }

    StandInRun run() const {
        StandInRun seen;
        std::vector<std::string> lines;
        seen.ran = ReadLines(JoinPath(notes_, "run.log"), lines);
        for (const std::string& line : lines) {
            if (line.rfind("arg=", 0) == 0)
                seen.args.push_back(line.substr(4));
            else if (line.rfind("mask=", 0) == 0)
                seen.mask = line.substr(5);
            else if (line.rfind("ignored=", 0) == 0)
                seen.ignored = line.substr(8);
        }
        ReadLines(JoinPath(notes_, "roms.txt"), seen.romFolder);
        seen.zips = ReadBytes(JoinPath(notes_, "zips.txt"));
        seen.batch = ReadBytes(JoinPath(notes_, "lancia.bat"));
        return seen;
    }

private:
    std::string program_;
    std::string notes_;
};

} // namespace arvok::test
