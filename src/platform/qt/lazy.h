// A window created hidden on first use and kept for the rest of the run.
#pragma once

#include <memory>

namespace arvok {

template <class Window> class Lazy {
public:
    Window& get() {
        if (!window_)
            window_ = std::make_unique<Window>();
        return *window_;
    }
    bool exists() const { return window_ != nullptr; }
    void reset() { window_.reset(); }

private:
    std::unique_ptr<Window> window_;
};

} // namespace arvok
