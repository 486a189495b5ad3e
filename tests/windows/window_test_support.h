// Helpers for driving the real widgets of a window in tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "platform/message_box.h"

namespace krv1::testing {

// The control of `window` with that object name; fails the test if missing.
template <typename T = QWidget>
T* Find(const QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// A pointer movement over the widget, with no button held.
void MovePointerOver(QWidget* widget);

// Lets deferred deletions and posted events run.
void ProcessEvents();

// Captures the messages shown to the engineer while alive.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    const QStringList& texts() const { return texts_; }
    const QStringList& titles() const { return titles_; }

private:
    platform::MessageSink previous_;
    QStringList texts_;
    QStringList titles_;
};

// Top-level widgets that are windows of the program (MainWindow..AboutWindow).
int ProgramWindowCount();

}  // namespace krv1::testing
