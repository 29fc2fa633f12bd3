#include "shell/instance.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QSocketNotifier>
#include <memory>

#include "platform/dialogs.h"
#include "platform/ending_signals.h"
#include "platform/path.h"
#include "platform/qt/ansi.h"
#include "shell/forms.h"

namespace arvok {

namespace {

// A dot-file: it never counts as one of the installation's files.
const char* const kLockFileName = ".arvok.lock";
const char* const kAlreadyRunning = "Arvok is already running in this folder.";

// Holds the lock as long as the application lives.
class HeldLock : public QObject {
public:
    explicit HeldLock(std::unique_ptr<QLockFile> lock)
        : QObject(QCoreApplication::instance()), lock_(std::move(lock)) {}

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace

bool ClaimInstallation(const std::string& dirInst) {
    auto lock = std::make_unique<QLockFile>(FromPath(JoinPath(dirInst, kLockFileName)));
    // The program may run for days: only a lock whose process is gone is stale, never an old one.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        new HeldLock(std::move(lock));
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true;
    dialogs().message(kAlreadyRunning, MsgStyle::Warning);
    return false;
}

void QuitOnEndingSignals() {
    const int fd = CatchEndingSignals();
    if (fd < 0)
        return;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        if (TakeEndingSignals())
            Forms::main().quit();
    });
}

} // namespace arvok
