// Setting a control's value from code runs its handler, as a user's change would: a combo box's
// handler runs even when the index does not change, a check box's only when its value changes.
// Each helper sets the value with the control's signals blocked and then calls the handler at
// most once.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <functional>

namespace arvok {

using Handler = std::function<void()>;

void SetIndexAndRun(QComboBox* box, int index, const Handler& handler);
void SetCheckedAndRun(QCheckBox* box, bool checked, const Handler& handler);

// Inserts "text" into a list kept in alphabetical order, letter case ignored; returns its row.
int AddSorted(QListWidget* list, const QString& text);

// Puts "text" into a text box showing its start, where a text box would show its end: the start
// of a path tells a user which folder it is.
void SetTextShowingStart(QLineEdit* edit, const QString& text);

// A one-column list never scrolls sideways: an entry longer than the list is clipped at its edge.
void NoSidewaysScroll(QAbstractItemView* list);

} // namespace arvok
