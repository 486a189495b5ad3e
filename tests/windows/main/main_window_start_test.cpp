#include <QTest>

#include "main_window_fixture.h"
#include "text/main_window_texts.h"
#include "text/mix_choices.h"

namespace krv1::testing {
namespace {

using platform::FormDropDownList;
using platform::FormOptionButton;

TEST_F(MainWindowTest, StartsMaximizedWithNothingChosen) {
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("KRV1"));
    EXPECT_EQ(form->focusWidget(), control(m::kStrengthBox));
    for (const char* list : {m::kSlumpList, m::kStoneList})
        EXPECT_EQ(control<FormDropDownList>(list)->currentEntry(), QString()) << list;
    for (const char* option :
         {m::kWithAdmixtureOption, m::kWithoutAdmixtureOption, m::kCubeOption, m::kCylinderOption})
        EXPECT_FALSE(control<FormOptionButton>(option)->isChecked()) << option;
    EXPECT_FALSE(control(m::kDosageBox)->isEnabled());
    EXPECT_FALSE(control(m::kDosageCaption)->isEnabled());
    EXPECT_FALSE(control(m::kDetailsCommand)->isEnabled());
    EXPECT_EQ(hint(), QString());
    for (const QString& text : resultTexts()) EXPECT_EQ(text, QString());
    EXPECT_FALSE(form->calculated().has_value());
}

TEST_F(MainWindowTest, ListsHoldTheExactEntriesInOrder) {
    auto* slump = control<FormDropDownList>(m::kSlumpList);
    ASSERT_EQ(slump->count(), 3);
    EXPECT_EQ(slump->itemText(0), QString::fromUtf8(" 7.5 (บวก,ลบ)2.5  "));
    EXPECT_EQ(slump->itemText(1), QString::fromUtf8(" 10.0 (บวก,ลบ) 2.5"));
    EXPECT_EQ(slump->itemText(2), QString::fromUtf8(" 12.5 (บวก,ลบ) 2.5"));
    auto* stone = control<FormDropDownList>(m::kStoneList);
    ASSERT_EQ(stone->count(), 2);
    EXPECT_EQ(stone->itemText(0), QString::fromUtf8(" 1นิ้ว -  #4"));
    EXPECT_EQ(stone->itemText(1), QString::fromUtf8(" 3/4 นิ้ว -  #4"));
}

TEST_F(MainWindowTest, LayoutPlacesControlsByTheirTwips) {
    EXPECT_EQ(control(m::kRequirementsFrame)->geometry(), QRect(40, 96, 345, 385));
    EXPECT_EQ(control(m::kCubeOption)->parentWidget(), control(m::kShapeFrame));
    EXPECT_EQ(control(m::kBeforeCorrectionFrame)->parentWidget(), control(m::kResultsFrame));
    EXPECT_EQ(control(m::kBeforeCorrectionResults[0])->geometry(), QRect(80, 32, 225, 17));
    EXPECT_EQ(control(m::kBeforeCorrectionResults[0])->palette().color(QPalette::Window),
              QColor(255, 255, 255));
    EXPECT_EQ(control(m::kBeforeCorrectionFrame)->palette().color(QPalette::Window),
              QColor(255, 192, 192));
    EXPECT_EQ(control(m::kCementCaptionBeforeCorrection)->palette().color(QPalette::Window),
              QColor(255, 192, 192));
    EXPECT_EQ(caption(m::kProgramTitle), Q(text::main_window::kProgramTitle));
    EXPECT_EQ(control<FormOptionButton>(m::kWithAdmixtureOption)->text(),
              QString::fromUtf8(" ใส่น้ำยาผสมคอนกรีต"));
}

TEST_F(MainWindowTest, TabOrderRunsByTabIndex) {
    const char* order[] = {m::kStrengthBox,
                           m::kSlumpList,
                           m::kStoneList,
                           m::kWithAdmixtureOption,
                           m::kWithoutAdmixtureOption,
                           m::kCalculateCommand};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(control(order[i])->nextInFocusChain(), control(order[i + 1])) << order[i];
}

TEST_F(MainWindowTest, ConditionsAndAboutStaySingleThroughRepeatedShows) {
    for (int i = 0; i < 3; ++i) {
        control<QPushButton>(m::kConditionsCommand)->click();
        control<QPushButton>(m::kAboutCommand)->click();
    }
    EXPECT_EQ(ProgramWindowCount(), 3);  // main, conditions, About
    EXPECT_TRUE(windows->conditions.existing()->isVisible());
    EXPECT_TRUE(windows->about.existing()->isVisible());
}

}  // namespace
}  // namespace krv1::testing
