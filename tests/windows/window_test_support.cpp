#include "window_test_support.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/message_box.h"

namespace krv1::testing {

void MovePointerOver(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void ProcessEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

MessageRecorder::MessageRecorder() {
    previous_ = platform::SetMessageSink([this](const QString& title, const QString& text) {
        titles_ << title;
        texts_ << text;
    });
}

MessageRecorder::~MessageRecorder() { platform::SetMessageSink(previous_); }

int ProgramWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName().startsWith(QLatin1String("Form"))) ++count;
    return count;
}

}  // namespace krv1::testing
