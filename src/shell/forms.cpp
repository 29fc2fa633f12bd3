#include "shell/forms.h"

#include <QCoreApplication>

#include "platform/qt/lazy.h"

namespace arvok::Forms {

LauncherWindow& main() {
    static Lazy<LauncherWindow> launcher;
    if (!launcher.exists()) {
        LauncherWindow& window = launcher.get();
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [] { launcher.reset(); });
        window.load();
    }
    return launcher.get();
}

} // namespace arvok::Forms
