#include <QTest>

#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "main_window_fixture.h"
#include "text/engine_messages.h"

namespace krv1::testing {
namespace {

using platform::FormDropDownList;
using platform::FormOptionButton;

struct ErrorCase {
    const char* name;
    std::function<void(MainWindowTest&)> spoil;
    const char* focus;
    QString message;
};

class CalculateErrorsTest : public MainWindowTest {
protected:
    // The account the details command shows now; the window is hidden again.
    QStringList account() {
        control<QPushButton>(m::kDetailsCommand)->click();
        forms::DetailsWindow* details = windows->details.existing();
        QStringList texts;
        for (const char* label : forms::kDetailsValueLabels)
            texts << Find<platform::FormLabel>(details, label)->caption();
        details->hide();
        return texts;
    }

    // Every error: its message in a "KRV1" box, the focus on the input, and
    // nothing else changed. Run after a good calculation and before any.
    void expectRefused(const ErrorCase& c, bool afterGoodCalculation) {
        SCOPED_TRACE(c.name);
        enterWorkedDesignWithAdmixture();
        if (afterGoodCalculation) calculate();
        const QStringList before = resultTexts();
        const auto calculatedBefore = form->calculated();
        const bool detailsEnabled = control(m::kDetailsCommand)->isEnabled();
        const QStringList accountBefore = afterGoodCalculation ? account() : QStringList();
        c.spoil(*this);
        MessageRecorder messages;
        calculate();
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_EQ(messages.titles().first(), QStringLiteral("KRV1"));
        EXPECT_EQ(messages.texts().first(), c.message);
        EXPECT_EQ(form->focusWidget(), control(c.focus));
        EXPECT_EQ(resultTexts(), before);
        EXPECT_EQ(form->calculated().has_value(), calculatedBefore.has_value());
        if (calculatedBefore) {
            EXPECT_EQ(form->calculated()->Design.State, calculatedBefore->Design.State);
        }
        EXPECT_EQ(control(m::kDetailsCommand)->isEnabled(), detailsEnabled);
        EXPECT_TRUE(form->isVisible());
        // The refused inputs reach neither the account nor, through it, the report.
        if (afterGoodCalculation) {
            EXPECT_EQ(account(), accountBefore);
        }
    }
};

const std::vector<ErrorCase>& Cases() {
    static const std::vector<ErrorCase> cases = {
        {"strength empty", [](auto& t) { t.type(m::kStrengthBox, QString()); }, m::kStrengthBox,
         Q(text::kStrengthNotNumber)},
        {"no shape",
         [](auto& t) { t.template control<FormOptionButton>(m::kCubeOption)->setValue(false); },
         m::kCubeOption, Q(text::kShapeNotChosen)},
        {"target out of range", [](auto& t) { t.type(m::kStrengthBox, QStringLiteral("500")); },
         m::kStrengthBox,
         Q(text::kTargetStrengthOutOfRange) + QString::fromUtf8(" (คำนวณได้ 560 กก./ตร.ซม.)")},
        {"no admixture choice",
         [](auto& t) {
             t.template control<FormOptionButton>(m::kWithAdmixtureOption)->setValue(false);
         },
         m::kWithAdmixtureOption, Q(text::kAdmixtureNotChosen)},
        {"dosage not a number", [](auto& t) { t.type(m::kDosageBox, QStringLiteral("abc")); },
         m::kDosageBox, Q(text::kDosageNotNumber)},
        {"dosage with a stray group",
         [](auto& t) { t.type(m::kDosageBox, QStringLiteral("2,50")); }, m::kDosageBox,
         Q(text::kDosageNotNumber)},
        {"negative dosage", [](auto& t) { t.type(m::kDosageBox, QStringLiteral("-300")); },
         m::kDosageBox, Q(text::kDosageNegative)},
        {"no slump",
         [](auto& t) { t.template control<FormDropDownList>(m::kSlumpList)->setCurrentIndex(-1); },
         m::kSlumpList, Q(text::kSlumpNotChosen)},
        {"no stone",
         [](auto& t) { t.template control<FormDropDownList>(m::kStoneList)->setCurrentIndex(-1); },
         m::kStoneList, Q(text::kAggregateNotChosen)},
        {"moisture empty", [](auto& t) { t.type(m::kMoistureBox, QString()); }, m::kMoistureBox,
         Q(text::kMoistureNotNumber)},
        {"moisture 5,5", [](auto& t) { t.type(m::kMoistureBox, QStringLiteral("5,5")); },
         m::kMoistureBox, Q(text::kMoistureNotNumber)},
        {"negative moisture", [](auto& t) { t.type(m::kMoistureBox, QStringLiteral("-2")); },
         m::kMoistureBox, Q(text::kMoistureNegative)},
        {"less than no water", [](auto& t) { t.type(m::kMoistureBox, QStringLiteral("55")); },
         m::kMoistureBox, Q(text::kWaterNegative)},
        {"huge dosage", [](auto& t) { t.type(m::kDosageBox, QStringLiteral("20000")); },
         m::kDosageBox, Q(text::kResultOutOfRange)},
        {"huge moisture", [](auto& t) { t.type(m::kMoistureBox, QStringLiteral("5000")); },
         m::kMoistureBox, Q(text::kResultOutOfRange)},
    };
    return cases;
}

TEST_F(CalculateErrorsTest, EachErrorAfterAGoodCalculationChangesNothing) {
    for (const ErrorCase& c : Cases()) expectRefused(c, true);
}

TEST_F(CalculateErrorsTest, EachErrorBeforeAnyCalculationKeepsDetailsDisabled) {
    for (const ErrorCase& c : Cases()) expectRefused(c, false);
    EXPECT_FALSE(control(m::kDetailsCommand)->isEnabled());
    EXPECT_FALSE(form->calculated().has_value());
}

TEST_F(CalculateErrorsTest, TheProgramGoesOnAfterAnError) {
    MessageRecorder messages;
    calculate();  // nothing entered at all
    EXPECT_EQ(messages.texts().size(), 1);
    enterWorkedDesign();
    calculate();
    EXPECT_EQ(caption(m::kAfterCorrectionResults[2]), QString::fromUtf8("835      กิโลกรัม"));
}

}  // namespace
}  // namespace krv1::testing
