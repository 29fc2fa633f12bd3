// The about box, with its mail and web links, and the dedication it leads to.
#pragma once

#include <QDialog>

namespace arvok {

// The product's web page and the author's mail address.
extern const char* const kWebAddress;
extern const char* const kMailAddress;

// frmAbout: created when shown, modal over the launcher.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// frmDedicated: reached by a double click on the about box's logo, modal over it.
class DedicationDialog : public QDialog {
    Q_OBJECT
public:
    explicit DedicationDialog(QWidget* parent = nullptr);
};

} // namespace arvok
