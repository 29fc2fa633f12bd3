// frmRinomina: the modal dialog in which a layout gets its name, when it is added or renamed.
// It checks the name against the manager's layouts, writes layouts.dat and updates the
// manager's lists.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace arvok {

class LayoutManager;

class LayoutNameDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Rename };
    LayoutNameDialog(LayoutManager& manager, Mode mode);

private:
    // True, after saying so, when the name "text" cannot be taken: it holds a character outside
    // Windows-1252, which the layouts file cannot keep, it cannot be stored as one line, or it is
    // a layout's name already. The matching layout, else the first, is left selected.
    bool refused(const QString& text);
    void add();
    void rename();

    LayoutManager& manager_;
    QLineEdit* txtRinomina_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdRename_ = nullptr;
};

} // namespace arvok
