// A top-level window of the program, built from its layout table. Windows are
// never owned by the window that shows them.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QPoint>
#include <QWidget>
#include <optional>
#include <span>
#include <string_view>

#include "control_row.h"
#include "form_builder.h"

namespace krv1::platform {

struct WindowLayout {
    std::string_view name;  // objectName: Form1..Form4
    std::string_view title;
    Rgb back;
    int clientWidth, clientHeight;  // twips
    bool maximized;
    std::optional<QPoint> clientTopLeft = std::nullopt;  // twips from the screen's corner
};

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    FormWindow(const WindowLayout& window, std::span<const ControlRow> controls, const QIcon& icon);

    // Fills the window once (its lists, pictures, fixed texts), before it is
    // first shown.
    void load();
    // Shows the window modeless as its layout wants it (maximized or at its
    // position), or brings it back and to the front.
    void showForm();

    // A window with a menu bar grows by the bar's height once it is filled,
    // so that the controls keep their places in twips below it.
    void dockMenuBar();

    const Controls& controls() const { return controls_; }
    template <typename T>
    T* control(const char* name) const {
        return controls_.get<T>(name);
    }

protected:
    virtual void fillOnLoad() {}
    // The control that holds the focus when the window first opens.
    virtual QWidget* firstFocus() const { return nullptr; }

private:
    WindowLayout layout_;
    QWidget* client_ = nullptr;
    Controls controls_;
    bool loaded_ = false;
    bool shownOnce_ = false;
};

}  // namespace krv1::platform
