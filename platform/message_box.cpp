#include "message_box.h"

#include <QMessageBox>
#include <utility>

namespace krv1::platform {
namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    const QString title = QStringLiteral("KRV1");
    if (Sink()) {
        Sink()(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(Sink(), std::move(sink)); }

}  // namespace krv1::platform
