#include "message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "text/ui_texts.h"
#include "utf8_text.h"

namespace krv1::platform {
namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

QuestionSink& Questions() {
    static QuestionSink sink;
    return sink;
}

const QString kTitle = QStringLiteral("KRV1");

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    if (Sink()) {
        Sink()(kTitle, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(FromUtf8(text::ui::kOk));
    box.exec();
}

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(Sink(), std::move(sink)); }

SaveAnswer AskToSave(QWidget* parent, const QString& question) {
    if (Questions()) return Questions()(question);
    QMessageBox box(QMessageBox::Question, kTitle, question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Save)->setText(FromUtf8(text::ui::kSave));
    box.button(QMessageBox::Discard)->setText(FromUtf8(text::ui::kDontSave));
    box.button(QMessageBox::Cancel)->setText(FromUtf8(text::ui::kCancel));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::DontSave;
        default:
            return SaveAnswer::Cancel;
    }
}

QuestionSink SetQuestionSink(QuestionSink sink) {
    return std::exchange(Questions(), std::move(sink));
}

}  // namespace krv1::platform
