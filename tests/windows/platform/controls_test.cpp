#include "platform/controls.h"

#include <QSignalSpy>
#include <QTest>
#include <array>
#include <memory>

#include "platform/form_builder.h"
#include "window_test_support.h"

namespace krv1::platform {
namespace {

using krv1::testing::Find;

// A small window: two option groups, a list, a text box and a label.
const std::array<ControlRow, 8> kSample{{
    {"Group", ControlKind::Frame, "", "กลุ่ม", 120, 120, 3000, 1500, 1, Rgb{255, 192, 192},
     Rgb{192, 0, 0}},
    {"FirstOption", ControlKind::OptionButton, "Group", "หนึ่ง", 120, 300, 1200, 255, 3},
    {"SecondOption", ControlKind::OptionButton, "Group", "สอง", 1500, 300, 1200, 255, 2},
    {"LooseOption", ControlKind::OptionButton, "", "สาม", 3300, 300, 1200, 255, 5},
    {"List", ControlKind::DropDownList, "", "", 120, 1800, 1500, 330, 4},
    {"Box", ControlKind::TextBox, "", "", 1800, 1800, 1500, 315, 0, {}, {}, false},
    {"Caption", ControlKind::Label, "Group", "  สอง  ช่อง  ", 120, 700, 2000, 255, 6},
    {"Okay", ControlKind::CommandButton, "", "ตกลง", 3300, 1800, 900, 375, 7},
}};

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        controls = BuildControls(window.get(), kSample, Rgb{255, 224, 192}, 96);
        window->show();
    }
    std::unique_ptr<QWidget> window;
    Controls controls;
};

TEST_F(ControlsTest, EachControlIsNamedPlacedAndContained) {
    auto* option1 = Find<FormOptionButton>(window.get(), "FirstOption");
    EXPECT_EQ(option1->parentWidget(), Find(window.get(), "Group"));
    EXPECT_EQ(option1->geometry(), QRect(8, 20, 80, 17));
    EXPECT_EQ(option1->text(), QString::fromUtf8("หนึ่ง"));
    EXPECT_FALSE(Find(window.get(), "Box")->isEnabled());
    EXPECT_EQ(controls.find(QStringLiteral("List")), Find(window.get(), "List"));
}

TEST_F(ControlsTest, LabelsTakeTheBackColourOfTheirFrame) {
    auto* label = Find<FormLabel>(window.get(), "Caption");
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 192, 192));
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(Find(window.get(), "Group")->palette().color(QPalette::Active, QPalette::WindowText),
              QColor(192, 0, 0));
    EXPECT_EQ(Find(window.get(), "LooseOption")->palette().color(QPalette::Window),
              QColor(255, 224, 192));
}

TEST_F(ControlsTest, LabelCaptionIsKeptExactlyAndNeverReadAsMarkup) {
    auto* label = Find<FormLabel>(window.get(), "Caption");
    EXPECT_EQ(label->caption(), QString::fromUtf8("  สอง  ช่อง  "));
    label->setCaption(QStringLiteral("<b>310</b>      kg"));
    EXPECT_EQ(label->caption(), QStringLiteral("<b>310</b>      kg"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_FALSE(label->focusPolicy() & Qt::TabFocus);
}

TEST_F(ControlsTest, MouseMoveIsRaisedWithoutAButton) {
    auto* label = Find<FormLabel>(window.get(), "Caption");
    QSignalSpy moved(label, &FormLabel::mouseMoved);
    krv1::testing::MovePointerOver(label);
    krv1::testing::MovePointerOver(label);
    EXPECT_EQ(moved.count(), 2);
}

TEST_F(ControlsTest, OptionButtonsAreExclusivePerContainer) {
    auto* option1 = Find<FormOptionButton>(window.get(), "FirstOption");
    auto* option2 = Find<FormOptionButton>(window.get(), "SecondOption");
    auto* option3 = Find<FormOptionButton>(window.get(), "LooseOption");
    QSignalSpy selected(option2, &FormOptionButton::selected);
    option1->click();
    option3->click();
    EXPECT_TRUE(option1->isChecked());
    EXPECT_TRUE(option3->isChecked());
    option2->click();
    EXPECT_FALSE(option1->isChecked());
    EXPECT_TRUE(option3->isChecked());
    option2->click();  // already selected: no second event
    EXPECT_EQ(selected.count(), 1);
}

TEST_F(ControlsTest, DropDownListStartsEmptyAndTakesNoTypedText) {
    auto* list = Find<FormDropDownList>(window.get(), "List");
    list->appendEntry(QStringLiteral(" a  "));
    list->appendEntry(QStringLiteral("b"));
    EXPECT_EQ(list->currentEntry(), QString());
    EXPECT_FALSE(list->isEditable());
    QSignalSpy chosen(list, &FormDropDownList::entryChosen);
    list->setFocus();
    QTest::keyClicks(list, QStringLiteral("zz"));
    EXPECT_EQ(list->currentEntry(), QString());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentEntry(), QStringLiteral(" a  "));
    EXPECT_EQ(chosen.count(), 1);
}

TEST_F(ControlsTest, TabOrderFollowsTabIndexAmongEnabledControls) {
    window->activateWindow();
    Find(window.get(), "SecondOption")->setFocus();
    EXPECT_EQ(Find(window.get(), "SecondOption")->nextInFocusChain(),
              Find(window.get(), "FirstOption"));
    EXPECT_EQ(Find(window.get(), "FirstOption")->nextInFocusChain(), Find(window.get(), "List"));
    EXPECT_EQ(Find(window.get(), "List")->nextInFocusChain(), Find(window.get(), "LooseOption"));
}

}  // namespace
}  // namespace krv1::platform
