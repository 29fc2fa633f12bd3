#include "launch/batch_file.h"

#include "platform/code_page.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace arvok {

namespace {

bool RunBatch(const std::string& commandLine, const std::string& emulatorDir, std::string& error) {
#ifdef _WIN32
    (void)commandLine;
    return RunAndWait(std::string("cmd.exe /c ") + kBatchFileName, emulatorDir, error);
#else
    return RunAndWait(commandLine, emulatorDir, error);
#endif
}

} // namespace

std::string BatchFileBytes(const std::string& commandLine) {
    return JoinCrLf({commandLine});
}

std::string CannotStart(const std::string& why) {
    return "The emulator could not be started:\r" + why;
}

TailResult RunLaunchTail(const std::string& emulatorDir, const std::string& commandLine) {
    TailResult result;
    std::string batch = ResolveName(emulatorDir, kBatchFileName);
    // A link standing at the batch file's name is replaced, never written through.
    if (!WriteFileAtomically(batch, BatchFileBytes(commandLine), Durability::Replaceable, {},
                             AtLink::Replace)) {
        result.problem = "The launch file could not be written:\r" + PathText(batch);
        return result;
    }
    std::string error;
    result.ran = RunBatch(commandLine, emulatorDir, error);
    RemoveFile(batch);
    if (!result.ran)
        result.problem = CannotStart(error);
    return result;
}

} // namespace arvok
