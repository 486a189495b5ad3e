// Ends the process once a window's first frame is complete: the expose that
// follows showing it makes Qt paint every control of the window into its
// backing store and hand the frame to the platform, on a screen or offscreen.
// The process then ends at once, as if killed: tearing the windows down and
// saving settings are the end of a session, not part of its start.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace krv1::bench {

class EndAtFirstPaint : public QObject {
public:
    explicit EndAtFirstPaint(QWidget& window) : window_(window) {
        window_.winId();  // the native window exists before it is shown
        window_.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            // Queued, so that it runs once this expose has painted the frame.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
};

}  // namespace krv1::bench
