#include <QPointer>

#include "forms/details/form3.h"
#include "main/main_window_fixture.h"
#include "text/details_texts.h"

namespace krv1::testing {
namespace {

class DetailsWindowTest : public MainWindowTest {
public:
    forms::Form3* openDetails() {
        control<QPushButton>("Command2")->click();
        return windows->details.existing();
    }
    static QString valueOf(forms::Form3* details, const char* label) {
        return Find<platform::FormLabel>(details, label)->caption();
    }
    static QStringList allCaptions(forms::Form3* details) {
        QStringList captions;
        for (auto* label : details->findChildren<platform::FormLabel*>())
            captions << label->objectName() + QLatin1Char('=') + label->caption();
        captions.sort();
        return captions;
    }
};

TEST_F(DetailsWindowTest, OpensMaximizedWithTheCloseCommandFocused) {
    enterWorkedDesign();
    calculate();
    forms::Form3* details = openDetails();
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isVisible());
    EXPECT_TRUE(details->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(details->windowTitle(), Q(text::details::kTitle));
    EXPECT_EQ(details->focusWidget(), Find(details, "Command2"));
    EXPECT_EQ(valueOf(details, "Label4"), Q(text::details::kLabel4));
    EXPECT_EQ(Find(details, "Label14")->palette().color(QPalette::Window), QColor(192, 192, 255));
    EXPECT_EQ(Find(details, "Label9")->palette().color(QPalette::Window), QColor(255, 224, 192));
    EXPECT_EQ(Find(details, "Label61")->palette().color(QPalette::Active, QPalette::WindowText),
              QColor(255, 0, 0));
}

TEST_F(DetailsWindowTest, WorkedExampleValuesThroughTheRealWidgets) {
    enterWorkedDesign();
    calculate();
    forms::Form3* details = openDetails();
    EXPECT_EQ(valueOf(details, "Label3"), QString::fromUtf8("240  กก./ตร.ซม."));
    EXPECT_EQ(valueOf(details, "Label7"), QString::fromUtf8(" 7.5 (บวก,ลบ)2.5    ซม."));
    EXPECT_EQ(valueOf(details, "Label14"), QStringLiteral("0.61"));
    EXPECT_EQ(valueOf(details, "Label74"), QString::fromUtf8("835      กิโลกรัม"));
    EXPECT_EQ(valueOf(details, "Label57"), caption("Label12"));
    EXPECT_EQ(valueOf(details, "Label66"), QString::fromUtf8("155.6  ลิตร"));
}

TEST_F(DetailsWindowTest, ShowsTheInputsOfTheCalculationNotOfTheBoxes) {
    enterWorkedDesign();
    calculate();
    type("Text4", QStringLiteral("3"));
    type("Text2", QStringLiteral("280"));
    choose("Combo2", 0);
    control<platform::FormOptionButton>("Option1")->click();
    forms::Form3* details = openDetails();
    EXPECT_EQ(valueOf(details, "Label61"), QStringLiteral("5%"));
    EXPECT_EQ(valueOf(details, "Label63"), QStringLiteral("4.3%"));
    EXPECT_EQ(valueOf(details, "Label64"), QString::fromUtf8("34.4  กิโลกรัม"));
    EXPECT_EQ(valueOf(details, "Label3"), QString::fromUtf8("240  กก./ตร.ซม."));
    EXPECT_EQ(valueOf(details, "Label11"), QString::fromUtf8(" 3/4 นิ้ว -  #4  ซม."));
    EXPECT_EQ(valueOf(details, "Label12"), QString::fromUtf8("ไม่ใส่น้ำยาผสมคอนกรีต"));

    // An emptied moisture box cannot upset the account either.
    type("Text4", QString());
    details = openDetails();
    EXPECT_EQ(valueOf(details, "Label63"), QStringLiteral("4.3%"));
}

TEST_F(DetailsWindowTest, PressingTwiceGivesTheSameTexts) {
    enterWorkedDesignWithAdmixture();
    calculate();
    forms::Form3* details = openDetails();
    const QStringList first = allCaptions(details);
    EXPECT_EQ(openDetails(), details);
    EXPECT_EQ(allCaptions(details), first);
}

TEST_F(DetailsWindowTest, ANewCalculationShowsOnlyAtTheNextPress) {
    enterWorkedDesign();
    calculate();
    forms::Form3* details = openDetails();
    type("Text4", QStringLiteral("0.7"));
    calculate();
    EXPECT_EQ(valueOf(details, "Label61"), QStringLiteral("5%"));
    openDetails();
    EXPECT_EQ(valueOf(details, "Label61"), QStringLiteral("0.7%"));
    EXPECT_EQ(valueOf(details, "Label64"), QString::fromUtf8("0  กิโลกรัม"));
}

TEST_F(DetailsWindowTest, CloseCommandHidesAndTheNextPressShowsTheSameWindow) {
    enterWorkedDesign();
    calculate();
    forms::Form3* details = openDetails();
    Find<QPushButton>(details, "Command2")->click();
    EXPECT_FALSE(details->isVisible());
    EXPECT_EQ(valueOf(details, "Label14"), QStringLiteral("0.61"));
    EXPECT_EQ(openDetails(), details);
    EXPECT_TRUE(details->isVisible());
}

TEST_F(DetailsWindowTest, FrameCloseDiscardsItAndTheNextPressRefills) {
    enterWorkedDesign();
    calculate();
    QPointer<forms::Form3> first = openDetails();
    first->close();
    ProcessEvents();
    EXPECT_TRUE(first.isNull());
    forms::Form3* second = openDetails();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(valueOf(second, "Label66"), QString::fromUtf8("155.6  ลิตร"));
}

TEST_F(DetailsWindowTest, OneConditionsWindowFromBothWindows) {
    enterWorkedDesign();
    calculate();
    forms::Form3* details = openDetails();
    Find<QPushButton>(details, "Command3")->click();
    Find<QPushButton>(details, "Command3")->click();
    control<QPushButton>("Command4")->click();
    EXPECT_EQ(ProgramWindowCount(), 3);  // main, details, conditions
    forms::Form2* conditions = windows->conditions.existing();
    Find<QPushButton>(details, "Command2")->click();
    EXPECT_TRUE(conditions->isVisible());
}

}  // namespace
}  // namespace krv1::testing
