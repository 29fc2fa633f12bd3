#include "platform/qt/geometry.h"
#include "section_fixture.h"
#include <QLabel>
#include <cstdio>
namespace arvok::test {
TEST_F(MameCfgTest, ZZDump) {
    const char* e = getenv("EMU");
    Emu emu = e ? static_cast<Emu>(atoi(e)) : Emu::Mame;
    WriteCfg(emu, {"Galaga"});
    open(emu);
    for (QWidget* w : window_->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        auto t = GetTwips(w);
        printf("%s\t%s\t%s\t%d,%d,%d,%d\n", qPrintable(w->objectName()),
               w->metaObject()->className(), qPrintable(w->parentWidget()->objectName()), t.Left,
               t.Top, t.Width, t.Height);
    }
}
} // namespace arvok::test
