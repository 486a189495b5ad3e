#include "forms/details/details_window.h"

#include <QPointer>

#include "forms/details/details_window_layout.h"
#include "main/main_window_fixture.h"
#include "text/details_texts.h"

namespace krv1::testing {
namespace {

namespace d = forms::details_controls;
using V = presentation::DetailsValue;

class DetailsWindowTest : public MainWindowTest {
public:
    forms::DetailsWindow* openDetails() {
        control<QPushButton>(m::kDetailsCommand)->click();
        return windows->details.existing();
    }
    static QString valueOf(forms::DetailsWindow* details, const char* label) {
        return Find<platform::FormLabel>(details, label)->caption();
    }
    static QStringList allCaptions(forms::DetailsWindow* details) {
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
    forms::DetailsWindow* details = openDetails();
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isVisible());
    EXPECT_TRUE(details->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(details->windowTitle(), Q(text::details::kTitle));
    EXPECT_EQ(details->focusWidget(), Find(details, d::kCloseCommand));
    EXPECT_EQ(valueOf(details, d::kTargetStrengthCaption), Q(text::details::kTargetStrength));
    EXPECT_EQ(
        Find(details, forms::ValueLabel(V::WaterCementRatio))->palette().color(QPalette::Window),
        QColor(192, 192, 255));
    EXPECT_EQ(Find(details, forms::ValueLabel(V::MixingWater))->palette().color(QPalette::Window),
              QColor(255, 224, 192));
    EXPECT_EQ(Find(details, forms::ValueLabel(V::SandMoisture))
                  ->palette()
                  .color(QPalette::Active, QPalette::WindowText),
              QColor(255, 0, 0));
}

TEST_F(DetailsWindowTest, EveryValueCanBeSelectedForCopyingButIsNeverTabbedTo) {
    enterWorkedDesign();
    calculate();
    forms::DetailsWindow* details = openDetails();
    for (const char* value : forms::kDetailsValueLabels) {
        SCOPED_TRACE(value);
        auto* label = Find<platform::FormLabel>(details, value);
        EXPECT_EQ(label->focusPolicy(), Qt::ClickFocus);
        EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    }
}

TEST_F(DetailsWindowTest, WorkedExampleValuesThroughTheRealWidgets) {
    enterWorkedDesign();
    calculate();
    forms::DetailsWindow* details = openDetails();
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::RequiredStrength)),
              QString::fromUtf8("240  กก./ตร.ซม."));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::Slump)),
              QString::fromUtf8(" 7.5 (บวก,ลบ)2.5    ซม."));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::WaterCementRatio)), QStringLiteral("0.61"));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::AdjustedSand)),
              QString::fromUtf8("835      กิโลกรัม"));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::BatchedSand)),
              caption(m::kBeforeCorrectionResults[2]));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::TotalWater)), QString::fromUtf8("155.6  ลิตร"));
}

TEST_F(DetailsWindowTest, ShowsTheInputsOfTheCalculationNotOfTheBoxes) {
    enterWorkedDesign();
    calculate();
    type(m::kMoistureBox, QStringLiteral("3"));
    type(m::kStrengthBox, QStringLiteral("280"));
    choose(m::kStoneList, 0);
    control<platform::FormOptionButton>(m::kWithAdmixtureOption)->click();
    forms::DetailsWindow* details = openDetails();
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::SandMoisture)), QStringLiteral("5%"));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::SurfaceMoisture)), QStringLiteral("4.3%"));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::ExcessWater)),
              QString::fromUtf8("34.4  กิโลกรัม"));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::RequiredStrength)),
              QString::fromUtf8("240  กก./ตร.ซม."));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::StoneSize)),
              QString::fromUtf8(" 3/4 นิ้ว -  #4  ซม."));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::Admixture)),
              QString::fromUtf8("ไม่ใส่น้ำยาผสมคอนกรีต"));

    // An emptied moisture box cannot upset the account either.
    type(m::kMoistureBox, QString());
    details = openDetails();
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::SurfaceMoisture)), QStringLiteral("4.3%"));
}

TEST_F(DetailsWindowTest, PressingTwiceGivesTheSameTexts) {
    enterWorkedDesignWithAdmixture();
    calculate();
    forms::DetailsWindow* details = openDetails();
    const QStringList first = allCaptions(details);
    EXPECT_EQ(openDetails(), details);
    EXPECT_EQ(allCaptions(details), first);
}

TEST_F(DetailsWindowTest, ANewCalculationShowsOnlyAtTheNextPress) {
    enterWorkedDesign();
    calculate();
    forms::DetailsWindow* details = openDetails();
    type(m::kMoistureBox, QStringLiteral("0.7"));
    calculate();
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::SandMoisture)), QStringLiteral("5%"));
    openDetails();
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::SandMoisture)), QStringLiteral("0.7%"));
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::ExcessWater)), QString::fromUtf8("0  กิโลกรัม"));
}

TEST_F(DetailsWindowTest, CloseCommandHidesAndTheNextPressShowsTheSameWindow) {
    enterWorkedDesign();
    calculate();
    forms::DetailsWindow* details = openDetails();
    Find<QPushButton>(details, d::kCloseCommand)->click();
    EXPECT_FALSE(details->isVisible());
    EXPECT_EQ(valueOf(details, forms::ValueLabel(V::WaterCementRatio)), QStringLiteral("0.61"));
    EXPECT_EQ(openDetails(), details);
    EXPECT_TRUE(details->isVisible());
}

TEST_F(DetailsWindowTest, FrameCloseDiscardsItAndTheNextPressRefills) {
    enterWorkedDesign();
    calculate();
    QPointer<forms::DetailsWindow> first = openDetails();
    first->close();
    ProcessEvents();
    EXPECT_TRUE(first.isNull());
    forms::DetailsWindow* second = openDetails();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(valueOf(second, forms::ValueLabel(V::TotalWater)), QString::fromUtf8("155.6  ลิตร"));
}

TEST_F(DetailsWindowTest, OneConditionsWindowFromBothWindows) {
    enterWorkedDesign();
    calculate();
    forms::DetailsWindow* details = openDetails();
    Find<QPushButton>(details, d::kConditionsCommand)->click();
    Find<QPushButton>(details, d::kConditionsCommand)->click();
    control<QPushButton>(m::kConditionsCommand)->click();
    EXPECT_EQ(ProgramWindowCount(), 3);  // main, details, conditions
    forms::ConditionsWindow* conditions = windows->conditions.existing();
    Find<QPushButton>(details, d::kCloseCommand)->click();
    EXPECT_TRUE(conditions->isVisible());
}

}  // namespace
}  // namespace krv1::testing
