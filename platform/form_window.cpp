#include "form_window.h"

#include <QApplication>
#include <QResizeEvent>

#include "twips.h"
#include "utf8_text.h"

namespace krv1::platform {

FormWindow::FormWindow(const WindowLayout& window, std::span<const ControlRow> controls,
                       const QIcon& icon)
    : QWidget(nullptr), layout_(window) {
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
    // The controls live in a client area of their own, so that a menu bar
    // docked above it moves none of their places.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setGeometry(rect());
    controls_ = BuildControls(client_, controls, window.back, dpi);
}

QMenuBar* FormWindow::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        // The system's menu colours, not the window's.
        menuBar_->setPalette(QApplication::palette());
        menuBar_->setAutoFillBackground(true);
    }
    return menuBar_;
}

void FormWindow::dockMenuBar() {
    const int height = menuBar()->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), height);
    resize(width(), this->height() + height);
    client_->setGeometry(0, height, width(), this->height() - height);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int top = menuBar_ ? menuBar_->height() : 0;
    if (menuBar_) menuBar_->resize(width(), top);
    client_->setGeometry(0, top, width(), height() - top);
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
