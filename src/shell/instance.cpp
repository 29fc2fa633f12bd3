#include "shell/instance.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/dialogs.h"
#include "platform/ending_signals.h"
#include "platform/path.h"
#include "platform/standard_error.h"
#include "shell/forms.h"

namespace arvok {

namespace {

// A dot-file: it never counts as one of the installation's files.
const char* const kLockFileName = ".arvok.lock";
const char* const kAlreadyRunning = "Arvok is already running in this folder.";
const char* const kDisplayLost = "The display was lost: Arvok saves its open windows and ends.\n";

// Its destructor runs when the thread of the windows calls exit(), before any object of static
// storage is destroyed. While the windows exist, the only exit() is the toolkit's, from inside its
// event loop, when the display connection is lost: nothing is destroyed then, as what the windows
// hold needs the display that is gone. Once main has returned, the end is an ordinary one.
struct DisplayLossWatch {
    ~DisplayLossWatch() {
        if (!Forms::exists())
            return;
        BeginEnding();
        WriteToStandardError(kDisplayLost);
        Forms::main().saveOpenSections();
        _exit(1);
    }
};

} // namespace

bool ClaimInstallation(const std::string& dirInst) {
    // The lock is the system's, on a descriptor left open until the program ends: however it
    // ends, the lock goes with it, and what the file holds never matters. Whatever else stands at
    // that name (a folder, a link, a pipe) is neither followed nor waited on.
    const std::string path = JoinPath(dirInst, kLockFileName);
    const int fd =
        open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return true;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return true;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    if (!held)
        return true;
    dialogs().message(kAlreadyRunning, MsgStyle::Warning);
    return false;
}

void QuitOnEndingSignals() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
        WriteToStandardError(qFormatLogMessage(type, context, text).toLocal8Bit().toStdString() +
                             "\n");
    });
    const int fd = CatchEndingSignals();
    if (fd < 0)
        return;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        if (TakeEndingSignals())
            Forms::main().quit();
    });
}

void EndWhenTheDisplayIsLost() {
    static thread_local DisplayLossWatch watch;
}

} // namespace arvok
