// Messages and questions to the engineer in boxes titled "KRV1", with Thai
// buttons. Tests install sinks to answer without a person at the screen.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace krv1::platform {

using MessageSink = std::function<void(const QString& title, const QString& text)>;

void ShowMessage(QWidget* parent, const QString& text);
// Replaces the box by `sink` until reset with an empty function; returns the
// sink it replaces.
MessageSink SetMessageSink(MessageSink sink);

enum class SaveAnswer { Save, DontSave, Cancel };
using QuestionSink = std::function<SaveAnswer(const QString& question)>;

// "บันทึก", "ไม่บันทึก", "ยกเลิก"; closing the box is Cancel.
SaveAnswer AskToSave(QWidget* parent, const QString& question);
QuestionSink SetQuestionSink(QuestionSink sink);

}  // namespace krv1::platform
