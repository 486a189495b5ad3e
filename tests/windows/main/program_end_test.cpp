#include <QPointer>

#include "main_window_fixture.h"

namespace krv1::testing {
namespace {

TEST_F(MainWindowTest, CloseProgramClosesEveryWindowWithoutAsking) {
    control<QPushButton>(m::kConditionsCommand)->click();
    control<QPushButton>(m::kAboutCommand)->click();
    QPointer<QWidget> conditions = windows->conditions.existing();
    QPointer<QWidget> about = windows->about.existing();
    MessageRecorder messages;
    control<QPushButton>(m::kCloseCommand)->click();
    ProcessEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(conditions.isNull());
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(MainWindowTest, ClosingTheMainFrameEndsTheProgramLikeCloseProgram) {
    control<QPushButton>(m::kConditionsCommand)->click();
    QPointer<QWidget> conditions = windows->conditions.existing();
    form->close();  // the frame's close box
    ProcessEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(conditions.isNull());
}

}  // namespace
}  // namespace krv1::testing
