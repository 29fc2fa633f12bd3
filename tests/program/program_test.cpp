// The program itself, started as a user starts it in an installation folder, without a display
// or on an X server of the test's own, and run in this process with its real message boxes
// answered by the test.
#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "layouts/qt/layout_manager.h"
#include "program/program.h"
#include "shell/forms.h"
#include "support/test_support.h"
#include "support/widgets.h"

namespace arvok::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// One start in "dir", killed when the object goes away, or by the system when the test program
// dies first. "readOnly": it may not write there, even as root. With a "display" it shows its
// windows there and writes its standard error to "errors" in "dir".
class Start {
public:
    explicit Start(const std::string& dir, bool readOnly = false, const std::string& display = "")
        : pid_(fork()) {
        if (pid_ != 0)
            return;
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (int overrides : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            if (readOnly)
                prctl(PR_CAPBSET_DROP, overrides);
        if (!display.empty()) {
            setenv("DISPLAY", display.c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            dup2(open((dir + "/errors").c_str(), O_WRONLY | O_CREAT, 0644), STDERR_FILENO);
        }
        if (chdir(dir.c_str()) == 0)
            execl(ARVOK_PROGRAM, "arvok", nullptr);
        _exit(127);
    }
    ~Start() {
        if (status_ < 0 && kill(pid_, SIGKILL) == 0)
            waitpid(pid_, nullptr, 0);
    }
    // Whether within "ms" milliseconds it ends (its wait status then kept) or, with "sigterm",
    // catches SIGTERM, as it does once it has started.
    bool within(long ms, bool sigterm) {
        for (long i = 0; i <= ms; i += 2, std::this_thread::sleep_for(2ms)) {
            if (status_ >= 0 || waitpid(pid_, &status_, WNOHANG) == pid_)
                return !sigterm;
            const std::string proc = ReadBytes("/proc/" + std::to_string(pid_) + "/status");
            const size_t mask = proc.find("SigCgt:") + 7;
            if (sigterm && std::stoull(proc.substr(mask), nullptr, 16) >> (SIGTERM - 1) & 1)
                return true;
        }
        return false;
    }
    // Sends SIGTERM; the wait status once it has ended (0: it exited with 0), else -1.
    int terminate() {
        kill(pid_, SIGTERM);
        within(5000, false);
        return status_;
    }

    int status() const { return status_; }

private:
    pid_t pid_;
    int status_ = -1;
};

TEST(Program, RunsOncePerInstallationEndsOnSigtermSavedAndStartsReadOnly) {
    // It opens the MAME window at start, on a settings file whose lines end with LF alone.
    TempDir dir;
    fs::copy(Fixture("installation"), dir.path(), fs::copy_options::recursive);
    const auto started = steady_clock::now();
    Start first(dir.path());
    ASSERT_TRUE(first.within(10000, true)) << "SIGTERM is never caught";
    const long took = duration_cast<milliseconds>(steady_clock::now() - started).count();

    // A second start, held by its message box until answered, does nothing else.
    const std::string before = Contents(dir.path());
    Start second(dir.path());
    EXPECT_FALSE(second.within(4 * took + 200, true));
    EXPECT_FALSE(second.within(0, false)) << "the second start does not wait on its message";
    EXPECT_EQ(Contents(dir.path()), before);

    // SIGTERM ends it as "Exit" does, its window saved, and the next start runs.
    EXPECT_EQ(first.terminate(), 0);
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.cfg"), ReadBytes(Fixture("cfg/Mame.cfg")));
    Start next(dir.path());
    EXPECT_TRUE(next.within(10000, true));
    EXPECT_EQ(next.terminate(), 0);

    // An installation where nothing can be written starts all the same.
    TempDir readOnly;
    WriteBytes(readOnly / "Cfg/Mame.cfg", "");
    fs::permissions(readOnly.path(), fs::perms::owner_write, fs::perm_options::remove);
    Start third(readOnly.path(), true);
    EXPECT_TRUE(third.within(10000, true)) << "a read-only installation does not start";
    EXPECT_EQ(third.terminate(), 0);
    EXPECT_EQ(Entries(readOnly.path()), std::vector<std::string>{"Cfg"}) << "not read-only";
}

TEST(Program, EndsSavedWhenItsDisplayIsLost) {
    // An X server of the test's own, which writes its display's number once it takes clients
    // and ends with the test.
    int number[2];
    ASSERT_EQ(pipe(number), 0);
    const pid_t server = fork();
    if (server == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(number[1], STDOUT_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", "1", "-nolisten", "tcp", nullptr);
        _exit(127);
    }
    close(number[1]);
    char display[16] = {};
    ASSERT_GT(read(number[0], display, sizeof display - 1), 0) << "Xvfb did not start";
    close(number[0]);
    TempDir dir;
    fs::copy(Fixture("installation"), dir.path(), fs::copy_options::recursive);
    Start program(dir.path(), false, ":" + std::to_string(std::atoi(display)));
    EXPECT_TRUE(program.within(10000, true)) << "SIGTERM is never caught";
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    ASSERT_TRUE(program.within(5000, false)) << "it outlives its display";
    EXPECT_TRUE(WIFEXITED(program.status()) && WEXITSTATUS(program.status()) != 0);
    EXPECT_EQ(ReadBytes(dir / "Cfg/Mame.cfg"), ReadBytes(Fixture("cfg/Mame.cfg")));
    const std::string said = ReadBytes(dir / "errors");
    EXPECT_NE(said.find("The display was lost: Arvok saves its open windows and ends.\n"),
              std::string::npos)
        << said;
}

// A first start greets the user, "Lays" shows the manager, and "Exit" quits once its question is
// answered Yes; the lock stays with this process, so that a second run in the folder stops.
TEST(Program, AnswersThroughItsRealBoxesAndShowsTheManager) {
    TempDir dir;
    std::vector<std::string> seen;
    // Presses "button" in the box in front once it shows, noting the box's first line (and a
    // warning's icon).
    auto answer = [&seen](const QString& button) {
        QTimer::singleShot(0, [&seen, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return seen.push_back("no box");
            seen.push_back((box->icon() == QMessageBox::Warning ? "warning: " : "") +
                           box->text().section('\n', 0, 0).toStdString());
            for (QAbstractButton* pressed : box->buttons())
                if (pressed->text() == button)
                    pressed->click();
        });
    };
    QObject run;
    QTimer::singleShot(5000, &run, [] { QCoreApplication::exit(1); });
    answer("OK");
    // Once the launcher shows, the program waits for the user in its event loop.
    std::function<void()> use = [&] {
        QWidget* launcher = QApplication::activeWindow();
        if (!launcher || launcher->objectName() != "frmMain")
            return QTimer::singleShot(10, &run, use);
        Click(Find(launcher, "lblLays"));
        seen.push_back(ExistingLayoutManager() ? "manager" : "no manager");
        for (const char* button : {"&No", "&Yes"}) {
            answer(button);
            Click(Find(launcher, "lblExit"));
        }
    };
    QTimer::singleShot(10, &run, use);
    EXPECT_EQ(RunProgram(dir.path()), 0);
    answer("OK");
    EXPECT_EQ(RunProgram(dir.path()), 1);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Welcome to Arvok! Probably it's the first time you launch this program!",
                        "manager", "warning: Do you really want to quit ?",
                        "warning: Do you really want to quit ?",
                        "warning: Arvok is already running in this folder."}));
}

} // namespace
} // namespace arvok::test
