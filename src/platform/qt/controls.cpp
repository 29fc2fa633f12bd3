#include "platform/qt/controls.h"

#include "platform/path.h"
#include "platform/qt/ansi.h"

namespace arvok {

void SetIndexAndRun(QComboBox* box, int index, const Handler& handler) {
    {
        QSignalBlocker block(box);
        box->setCurrentIndex(index);
    }
    if (handler)
        handler();
}

void SetCheckedAndRun(QCheckBox* box, bool checked, const Handler& handler) {
    if (box->isChecked() == checked)
        return;
    {
        QSignalBlocker block(box);
        box->setChecked(checked);
    }
    if (handler)
        handler();
}

int AddSorted(QListWidget* list, const QString& text) {
    std::string key = ToAnsi(text);
    int lo = 0, hi = list->count();
    while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (CompareNoCase(ToAnsi(list->item(mid)->text()), key) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    list->insertItem(lo, text);
    return lo;
}

void SetTextShowingStart(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
}

void NoSidewaysScroll(QAbstractItemView* list) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
}

} // namespace arvok
