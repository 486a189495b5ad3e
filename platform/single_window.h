// A window that exists at most once: created and loaded by its first show,
// brought back and to the front by later shows, kept with its contents when
// hidden, destroyed when closed through its frame and created afresh by the
// next show.
#pragma once

#include <QPointer>
#include <functional>

namespace krv1::platform {

template <typename Window>
class SingleWindow {
public:
    using Factory = std::function<Window*()>;
    explicit SingleWindow(Factory factory = [] { return new Window(); })
        : factory_(std::move(factory)) {}
    ~SingleWindow() { delete window_.data(); }
    SingleWindow(const SingleWindow&) = delete;
    SingleWindow& operator=(const SingleWindow&) = delete;

    // The one instance, created and loaded when there is none.
    Window& instance() {
        if (!window_) {
            window_ = factory_();
            window_->setAttribute(Qt::WA_DeleteOnClose);
            window_->load();
        }
        return *window_;
    }
    Window& show() {
        Window& window = instance();
        window.showForm();
        return window;
    }
    // Null while the window does not exist.
    Window* existing() const { return window_.data(); }

private:
    Factory factory_;
    QPointer<Window> window_;
};

}  // namespace krv1::platform
