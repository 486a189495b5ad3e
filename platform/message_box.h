// Messages to the engineer: a box titled "KRV1" with an OK button. Tests
// install a sink to read the message without a person at the screen.
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

}  // namespace krv1::platform
