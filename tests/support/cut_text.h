// Finding the texts a window shows cut: what a user cannot read whole at the design size.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>
#include <string>
#include <vector>

namespace arvok::test {

inline std::string Describe(const QWidget* w, const QString& text) {
    return w->objectName().toStdString() + ": " + text.toStdString();
}

// A label's text wider or taller than the label (a word-wrapped one: its lines taller).
inline bool LabelCut(const QLabel* label) {
    const QString text = label->text();
    const QRect room = label->contentsRect();
    if (text.isEmpty() || room.isEmpty())
        return false;
    const QFontMetrics metrics = label->fontMetrics();
    if (label->wordWrap())
        return metrics.boundingRect(room, Qt::TextWordWrap, text).height() > room.height();
    return metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height();
}

// A check box or option button whose indicator, spacing and caption need more room than it has.
inline bool ButtonCut(const QAbstractButton* button) {
    const bool radio = qobject_cast<const QRadioButton*>(button);
    if (!radio && !qobject_cast<const QCheckBox*>(button))
        return false;
    const QStyle* style = button->style();
    const int indicatorWidth = style->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
    const int indicatorHeight = style->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, button);
    const int spacing = style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                 : QStyle::PM_CheckBoxLabelSpacing,
                                           nullptr, button);
    const QFontMetrics metrics = button->fontMetrics();
    const int width = indicatorWidth + spacing + metrics.horizontalAdvance(button->text());
    const int height = std::max(indicatorHeight, metrics.height());
    return width > button->width() || height > button->height();
}

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

// Every label, check box, option button and combo box of "window" whose text (for a combo box,
// the item it shows) is cut at its present size, as "objectName: text".
inline std::vector<std::string> CutTexts(QWidget* window) {
    std::vector<std::string> cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* combo = qobject_cast<QComboBox*>(w);
        if (label && LabelCut(label))
            cut.push_back(Describe(w, label->text()));
        else if (button && ButtonCut(button))
            cut.push_back(Describe(w, button->text()));
        else if (combo && ComboCut(combo, combo->currentText()))
            cut.push_back(Describe(w, combo->currentText()));
    }
    return cut;
}

// Every item of the combo boxes under "parent" that would show cut once chosen.
inline std::vector<std::string> CutComboItems(QWidget* parent) {
    std::vector<std::string> cut;
    for (QComboBox* combo : parent->findChildren<QComboBox*>())
        for (int i = 0; i < combo->count(); ++i)
            if (ComboCut(combo, combo->itemText(i)))
                cut.push_back(Describe(combo, combo->itemText(i)));
    return cut;
}

} // namespace arvok::test
