#include "form_window.h"

#include <QApplication>

#include "twips.h"
#include "utf8_text.h"

namespace krv1::platform {

FormWindow::FormWindow(const WindowLayout& window, std::span<const ControlRow> controls,
                       const QIcon& icon)
    : QMainWindow(nullptr), layout_(window) {
    const double dpi = ScreenDpi();
    setObjectName(FromUtf8(window.name));
    setWindowTitle(FromUtf8(window.title));
    setWindowIcon(icon);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, window.back.toColor());
    setPalette(palette);
    setAutoFillBackground(true);
    resize(TwipsToPixels(window.clientWidth, dpi), TwipsToPixels(window.clientHeight, dpi));
    if (window.clientTopLeft) {
        move(TwipsToPixels(window.clientTopLeft->x(), dpi),
             TwipsToPixels(window.clientTopLeft->y(), dpi));
    }
    // The controls live in the central client area, so that a menu bar
    // above it moves none of their places.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setGeometry(rect());
    controls_ = BuildControls(client_, controls, window.back, dpi);
    setCentralWidget(client_);
}

void FormWindow::dockMenuBar() {
    QMenuBar* bar = menuBar();
    // The system's menu colours, not the window's.
    bar->setPalette(QApplication::palette());
    bar->setAutoFillBackground(true);
    resize(width(), height() + bar->sizeHint().height());
}

void FormWindow::load() {
    if (loaded_) return;
    loaded_ = true;
    fillOnLoad();
}

void FormWindow::showForm() {
    load();
    if (layout_.maximized) {
        showMaximized();
    } else {
        show();
    }
    raise();
    activateWindow();
    if (!shownOnce_) {
        shownOnce_ = true;
        if (QWidget* focus = firstFocus()) focus->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace krv1::platform
