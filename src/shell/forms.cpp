#include "shell/forms.h"

namespace arvok {

Forms* Forms::current_ = nullptr;

Forms::Forms(Installation& installation_)
    : installation(installation_), hooks(DefaultHooks(installation_)) {
    current_ = this;
}

Forms::~Forms() {
    delete layoutManager.data();
    for (QPointer<QWidget>& window : sectionWindows)
        delete window.data();
    delete menu.data();
    launcher_.reset();
    current_ = nullptr;
}

Forms& Forms::current() {
    return *current_;
}

bool Forms::exists() {
    return current_ != nullptr;
}

LauncherWindow& Forms::main() {
    Forms& forms = current();
    if (!forms.launcher_) {
        forms.launcher_ = std::make_unique<LauncherWindow>(forms.installation, forms.hooks);
        forms.launcher_->load();
    }
    return *forms.launcher_;
}

} // namespace arvok
