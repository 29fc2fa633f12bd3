// The application object of every test program with windows, and a watch over modal dialogs: a
// test answers each modal dialog it opens from a handler queued before the click that opens it,
// so a modal dialog still open and in front once those handlers have run was met unscripted. It
// fails the running test at once, naming the dialog's title, and is closed as by Cancel, instead
// of leaving the test waiting for an answer until its time-out.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class UnscriptedDialogWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() &&
            widget->windowModality() != Qt::NonModal)
            QTimer::singleShot(0, this,
                               [this, dialog = QPointer<QWidget>(widget)] { check(dialog); });
        return false;
    }

private:
    // A dialog under another one is looked at again once the one in front has had its turn.
    void check(const QPointer<QWidget>& dialog) {
        if (!dialog || !dialog->isVisible())
            return;
        if (QApplication::activeModalWidget() != dialog) {
            QTimer::singleShot(10, this, [this, dialog] { check(dialog); });
            return;
        }
        ADD_FAILURE() << "a dialog the test did not answer: \""
                      << dialog->windowTitle().toStdString() << "\" ("
                      << dialog->objectName().toStdString() << ")";
        if (auto* box = qobject_cast<QDialog*>(dialog.data()))
            box->reject();
        else
            dialog->close();
    }
};

// One application object for the whole test program, made before the first test and never
// destroyed: windows living in statics are destroyed at exit, and the application must outlive
// them.
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "arvok_tests";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance())
            return;
        auto* app = new QApplication(argc, argv);
        app->installEventFilter(new UnscriptedDialogWatch);
    }
};

[[maybe_unused]] testing::Environment* const kQt =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
