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
        {"Label2", QString::fromUtf8("กำลังอัดประลัย fc' ที่อายุ 28 วัน")},
        {"Text2", QString::fromUtf8("กำลังอัดประลัย fc' ที่อายุ 28 วัน")},
        {"Label3", kSlumpStart + QString::fromUtf8("งานที่เทด้วยคอนกรีตปั๊มใช้ 10.0(บวก,ลบ)2.5*** ")},
        {"Label4", forms::hints::Aggregate()},
        {"Label27", QString::fromUtf8("ทรายแม่น้ำที่ใช้อยู่ทั่วๆไปในประเทศไทย ซึ่งอยู่ในสภาพเปียก "
                                      "ทั่วไปมีค่าความชื้นทั้งหมดอยู่ระหว่าง 2-8%")},
        {"Option1", QString::fromUtf8("น้ำยาผสมคอนกรีตประเภทลดน้ำและยืดเวลาการแข็งตัว")},
        {"Option3", QString::fromUtf8("แบบหล่อขนาด 15*15*15 ซม.")},
        {"Option4", QString::fromUtf8("แบบหล่อทรงกระบอกขนาด 15*30 ซม.")},
    };
    for (const Case& c : cases) {
        MovePointerOver(control(c.control));
        EXPECT_EQ(hint(), c.hint) << c.control;
    }
}

TEST_F(MainWindowTest, ChoosingAnEntryShowsTheListHint) {
    MovePointerOver(control("Label3"));
    choose("Combo1", 2);
    EXPECT_EQ(hint(), kSlumpStart + QString::fromUtf8("งานที่เทด้วยคอนกรีตปั๊มใช้ 12.0(บวก,ลบ)2.5*** "));
    MovePointerOver(control("Label2"));
    choose("Combo2", 0);
    EXPECT_EQ(hint(), forms::hints::Aggregate());
}

TEST_F(MainWindowTest, ControlsWithoutAHintLeaveTheBoxAsItIs) {
    MovePointerOver(control("Text2"));
    const QString strength = hint();
    for (const char* name : {"Option2", "Combo1", "Combo2", "Text3", "Label26", "Text5", "Label29",
                             "Label28", "Frame1", "Frame2", "Label10", "Command1", "Text4"})
        MovePointerOver(control(name));
    EXPECT_EQ(hint(), strength);
    control<FormOptionButton>("Option2")->click();
    EXPECT_EQ(hint(), strength);
}

TEST_F(MainWindowTest, TabIntoTheMoistureBoxShowsNothingAClickShowsItsHint) {
    control("Text1")->setFocus();
    QTest::keyClick(control("Text1"), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), control("Text4"));
    EXPECT_EQ(hint(), QString());
    QTest::mouseClick(control("Text4"), Qt::LeftButton);
    EXPECT_EQ(hint(), forms::hints::Moisture());
}

TEST_F(MainWindowTest, DosageSwitchKeepsTheTypedDosage) {
    control<FormOptionButton>("Option1")->click();
    EXPECT_TRUE(control("Text3")->isEnabled());
    EXPECT_TRUE(control("Label26")->isEnabled());
    type("Text3", QStringLiteral("250"));
    control<FormOptionButton>("Option2")->click();
    EXPECT_FALSE(control("Text3")->isEnabled());
    EXPECT_FALSE(control("Label26")->isEnabled());
    EXPECT_EQ(control<platform::FormTextBox>("Text3")->text(), QStringLiteral("250"));
    control<FormOptionButton>("Option1")->click();
    EXPECT_TRUE(control("Text3")->isEnabled());
    EXPECT_EQ(control<platform::FormTextBox>("Text3")->text(), QStringLiteral("250"));
}

TEST_F(MainWindowTest, ShapeAndAdmixtureGroupsAreIndependent) {
    control<FormOptionButton>("Option1")->click();
    control<FormOptionButton>("Option3")->click();
    EXPECT_TRUE(control<FormOptionButton>("Option1")->isChecked());
    EXPECT_TRUE(control<FormOptionButton>("Option3")->isChecked());
}

}  // namespace
}  // namespace krv1::testing
