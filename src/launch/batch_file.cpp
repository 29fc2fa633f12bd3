#include "launch/batch_file.h"

#include "platform/code_page.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace arvok {

std::string BatchFileBytes(const std::string& commandLine) {
    return JoinCrLf({commandLine});
}

std::string CannotStart(const std::string& why) {
    return "The emulator could not be started:\r" + why;
}

TailResult RunLaunchTail(const std::string& emulatorDir, const std::string& commandLine) {
    TailResult result;
    std::string batch = ResolveName(emulatorDir, kBatchFileName);
    if (const char* holds = WhatBreaksLine(commandLine)) {
        result.problem = "The launch file could not be written:\r" + PathText(batch) +
                         "\rThe launch line holds " + holds + ".";
        return result;
    }
    // A link standing at the batch file's name is replaced, never written through.
    if (!WriteFileAtomically(batch, BatchFileBytes(commandLine), Durability::Replaceable, {},
                             AtLink::Replace)) {
        result.problem = "The launch file could not be written:\r" + PathText(batch);
        return result;
    }
    const RunResult run = RunAndWait(commandLine, emulatorDir);
    RemoveFile(batch);
    result.ran = run.started;
    if (!result.ran)
        result.problem = CannotStart(run.error);
    return result;
}

} // namespace arvok
