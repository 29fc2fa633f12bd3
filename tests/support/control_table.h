// Holding a window to a table of its controls written out in a fixture file, one row a control:
// its object name, kind, place in twips, caption, tooltip, shown and enabled flags, and the back
// and text colours as drawn on screen. A row of kind "item" gives the next item of a combo box, in
// double quotes; a row of kind "row" the next row of the table that a page's labels form, each
// cell in double quotes, a blank between cells.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace arvok::test {

// Whether "control" is drawn on the back colour "back" with its caption in "fore" (&HBBGGRR).
::testing::AssertionResult DrawnIn(QWidget* control, std::uint32_t back, std::uint32_t fore);

// Every difference between "window" and the rows of tests/fixtures/controls/<file>, each as
// "<window> <control> <field>: table <value>, program <value>".
std::vector<std::string> ControlDifferences(QWidget* window, const std::string& file);

} // namespace arvok::test
