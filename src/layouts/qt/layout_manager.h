// frmOptions, the layout manager: lists the stored layouts and the windows each holds, saves the
// present arrangement of the launcher and the open section windows as a layout, applies one,
// adds, renames and removes layouts, can stay above all other windows, and keeps the start-up
// options. Opened modeless from the launcher's "Lays" entry.
#pragma once

#include <QWidget>
#include <string>

#include "shell/forms.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace arvok {

class LayoutManager : public QWidget {
    Q_OBJECT
public:
    explicit LayoutManager(Forms& forms);

    // Fills the layout lists from layouts.dat and the options from arvok.ini, then shows the
    // first layout. A missing layouts.dat, a missing key or a default layout that is not in the
    // list ends the filling where it stands. A layouts.dat that cannot be read is named to the
    // user once; the options are still read, and Close then leaves arvok.ini alone. An arvok.ini
    // that cannot be read is named once too and never written over: the options set in the
    // manager then last for the run.
    void load();

    // What the name dialog works on: the layout names (the selected one is the current layout)
    // and the same names in the default-layout combo.
    QComboBox* layoutNames() const { return cboListaLayout_; }
    QComboBox* defaultNames() const { return cboListaLayout2_; }
    // Selects a layout (-1 for none) and shows its windows; selects the default layout.
    void selectLayout(int index);
    void selectDefault(int index);
    // Adds a name at the end of both combos, leaving their selections alone. A name too long
    // to show is shown cut (kLongestShownLine); each item keeps the name whole beside its text.
    void appendName(const std::string& name);
    // The whole name of item "index" of one of the two combos ("" for -1), and the item holding
    // "name" (-1 for none).
    static std::string NameAt(const QComboBox* box, int index);
    static int IndexOf(const QComboBox* box, const std::string& name);
    std::string layoutsPath() const;
    Notices& notices() const { return forms_.installation.notices; }

private:
    void build();
    void showLayout();
    void applyAlwaysOnTop();
    void applyAutoload();
    void setAlwaysOnTop(bool on);
    void setAutoload(bool on);
    void openNameDialog(bool rename);
    void removeLayout();
    void saveLayout();
    void loadLayout();
    void closeManager();
    std::string currentName() const;

    Forms& forms_;
    QComboBox* cboListaLayout_ = nullptr;
    QListWidget* lstEmulatori_ = nullptr;
    QListWidget* lstEmulatoriSize_ = nullptr;
    QCheckBox* chkAlwaysOnTop_ = nullptr;
    QCheckBox* chkEnableAutoload_ = nullptr;
    QComboBox* cboListaLayout2_ = nullptr;
    bool layoutsUnread_ = false; // layouts.dat exists but could not be read
    bool optionsUnread_ = false; // arvok.ini exists but could not be read
};

// The manager while it is open, else nullptr.
LayoutManager* ExistingLayoutManager();
// Shows the manager, loading it first when it is not open.
void ShowLayoutManager();
// Lets the launcher's "Lays" entry show the manager. Called once at start.
void InstallLayoutManager(Forms& forms);

} // namespace arvok
