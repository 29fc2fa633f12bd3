// Finding the combo items a window would show cut: what a user cannot read whole once chosen.
#pragma once

#include <QComboBox>
#include <QStyle>
#include <QWidget>
#include <string>
#include <vector>

namespace arvok::test {

// A combo box whose edit field beside its arrow is too narrow or too low for "text".
inline bool ComboCut(QComboBox* combo, const QString& text) {
    const QFontMetrics metrics = combo->fontMetrics();
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return metrics.horizontalAdvance(text) > field.width() || metrics.height() > field.height();
}

// Every item of the combo boxes under "parent" that would show cut once chosen.
inline std::vector<std::string> CutComboItems(QWidget* parent) {
    std::vector<std::string> cut;
    for (QComboBox* combo : parent->findChildren<QComboBox*>())
        for (int i = 0; i < combo->count(); ++i)
            if (ComboCut(combo, combo->itemText(i)))
                cut.push_back(combo->objectName().toStdString() + ": " +
                              combo->itemText(i).toStdString());
    return cut;
}

} // namespace arvok::test
