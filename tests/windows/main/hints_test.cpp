#include <QTest>

#include "forms/main/hint_texts.h"
#include "main_window_fixture.h"

namespace krv1::testing {
namespace {

using platform::FormOptionButton;

const QString kSlumpStart = QString::fromUtf8(
    " ค่ายุบมาตราฐานเมื่อใช้หินย่อยและทรายแม่น้ำที่อยู่ในสภาพอิ่มตัวผิวแห้ง(SSD)***สำหรับโครงสร้างทั่วๆไปใช้  "
    "7.5(บวก,ลบ)2.5***เสาหรือผนังใช้ 10.0(บวก,ลบ)2.5*** ");

TEST_F(MainWindowTest, PointerOverCaptionsAndBoxesShowTheirHints) {
    struct Case {
        const char* control;
        QString hint;
    };
    const Case cases[] = {
        {m::kStrengthCaption, QString::fromUtf8("กำลังอัดประลัย fc' ที่อายุ 28 วัน")},
        {m::kStrengthBox, QString::fromUtf8("กำลังอัดประลัย fc' ที่อายุ 28 วัน")},
        {m::kSlumpCaption,
         kSlumpStart + QString::fromUtf8("งานที่เทด้วยคอนกรีตปั๊มใช้ 10.0(บวก,ลบ)2.5*** ")},
        {m::kStoneCaption, forms::hints::Aggregate()},
        {m::kMoistureCaption, QString::fromUtf8("ทรายแม่น้ำที่ใช้อยู่ทั่วๆไปในประเทศไทย ซึ่งอยู่ในสภาพเปียก "
                                                "ทั่วไปมีค่าความชื้นทั้งหมดอยู่ระหว่าง 2-8%")},
        {m::kWithAdmixtureOption, QString::fromUtf8("น้ำยาผสมคอนกรีตประเภทลดน้ำและยืดเวลาการแข็งตัว")},
        {m::kCubeOption, QString::fromUtf8("แบบหล่อขนาด 15*15*15 ซม.")},
        {m::kCylinderOption, QString::fromUtf8("แบบหล่อทรงกระบอกขนาด 15*30 ซม.")},
    };
    for (const Case& c : cases) {
        MovePointerOver(control(c.control));
        EXPECT_EQ(hint(), c.hint) << c.control;
    }
}

TEST_F(MainWindowTest, ChoosingAnEntryShowsTheListHint) {
    MovePointerOver(control(m::kSlumpCaption));
    choose(m::kSlumpList, 2);
    EXPECT_EQ(hint(), kSlumpStart + QString::fromUtf8("งานที่เทด้วยคอนกรีตปั๊มใช้ 12.0(บวก,ลบ)2.5*** "));
    MovePointerOver(control(m::kStrengthCaption));
    choose(m::kStoneList, 0);
    EXPECT_EQ(hint(), forms::hints::Aggregate());
}

TEST_F(MainWindowTest, ControlsWithoutAHintLeaveTheBoxAsItIs) {
    MovePointerOver(control(m::kStrengthBox));
    const QString strength = hint();
    for (const char* name : {m::kWithoutAdmixtureOption, m::kSlumpList, m::kStoneList,
                             m::kDosageBox, m::kDosageCaption, m::kEngineerBox, m::kEngineerCaption,
                             m::kReadConditionsReminder, m::kRequirementsFrame, m::kResultsFrame,
                             m::kBeforeCorrectionResults[0], m::kCalculateCommand, m::kMoistureBox})
        MovePointerOver(control(name));
    EXPECT_EQ(hint(), strength);
    control<FormOptionButton>(m::kWithoutAdmixtureOption)->click();
    EXPECT_EQ(hint(), strength);
}

TEST_F(MainWindowTest, TabIntoTheMoistureBoxShowsNothingAClickShowsItsHint) {
    control(m::kHintBox)->setFocus();
    QTest::keyClick(control(m::kHintBox), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), control(m::kMoistureBox));
    EXPECT_EQ(hint(), QString());
    QTest::mouseClick(control(m::kMoistureBox), Qt::LeftButton);
    EXPECT_EQ(hint(), forms::hints::Moisture());
}

TEST_F(MainWindowTest, DosageSwitchKeepsTheTypedDosage) {
    control<FormOptionButton>(m::kWithAdmixtureOption)->click();
    EXPECT_TRUE(control(m::kDosageBox)->isEnabled());
    EXPECT_TRUE(control(m::kDosageCaption)->isEnabled());
    type(m::kDosageBox, QStringLiteral("250"));
    control<FormOptionButton>(m::kWithoutAdmixtureOption)->click();
    EXPECT_FALSE(control(m::kDosageBox)->isEnabled());
    EXPECT_FALSE(control(m::kDosageCaption)->isEnabled());
    EXPECT_EQ(control<platform::FormTextBox>(m::kDosageBox)->text(), QStringLiteral("250"));
    control<FormOptionButton>(m::kWithAdmixtureOption)->click();
    EXPECT_TRUE(control(m::kDosageBox)->isEnabled());
    EXPECT_EQ(control<platform::FormTextBox>(m::kDosageBox)->text(), QStringLiteral("250"));
}

TEST_F(MainWindowTest, ShapeAndAdmixtureGroupsAreIndependent) {
    control<FormOptionButton>(m::kWithAdmixtureOption)->click();
    control<FormOptionButton>(m::kCubeOption)->click();
    EXPECT_TRUE(control<FormOptionButton>(m::kWithAdmixtureOption)->isChecked());
    EXPECT_TRUE(control<FormOptionButton>(m::kCubeOption)->isChecked());
}

}  // namespace
}  // namespace krv1::testing
