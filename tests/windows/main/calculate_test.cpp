#include <QTest>

#include "main_window_fixture.h"

namespace krv1::testing {
namespace {

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) list << QString::fromUtf8(text);
    return list;
}

// Units carry their own blanks: six before กิโลกรัม for cement, seven for
// stone, seven for sand before the correction and six after it.
const QStringList kWorkedDesignTexts = Texts({
    "310      กิโลกรัม",
    "190     ลิตร",
    "800       กิโลกรัม",
    "1110       กิโลกรัม",
    "0     ซีซี",
    "310      กิโลกรัม",
    "155     ลิตร",
    "835      กิโลกรัม",
    "1110       กิโลกรัม",
    "0     ซีซี",
});

TEST_F(MainWindowTest, WorkedDesignFillsBothPanels) {
    enterWorkedDesign();
    calculate();
    EXPECT_EQ(resultTexts(), kWorkedDesignTexts);
    EXPECT_TRUE(control(m::kDetailsCommand)->isEnabled());
    ASSERT_TRUE(form->calculated().has_value());
    EXPECT_EQ(form->calculated()->Design.State.F, 300);
    EXPECT_EQ(form->calculated()->Input.SandMoistureText, "5");
}

TEST_F(MainWindowTest, WorkedDesignWithAdmixtureFillsBothPanels) {
    enterWorkedDesignWithAdmixture();
    calculate();
    EXPECT_EQ(resultTexts(),
              Texts({"295      กิโลกรัม", "180     ลิตร", "810       กิโลกรัม", "1135       กิโลกรัม",
                     "750     ซีซี", "295      กิโลกรัม", "145     ลิตร", "845      กิโลกรัม",
                     "1135       กิโลกรัม", "750     ซีซี"}));
}

TEST_F(MainWindowTest, CalculatingTwiceGivesTheSameTexts) {
    enterWorkedDesign();
    calculate();
    const MixState first = form->calculated()->Design.State;
    calculate();
    EXPECT_EQ(resultTexts(), kWorkedDesignTexts);
    EXPECT_EQ(form->calculated()->Design.State, first);
}

TEST_F(MainWindowTest, ANewDesignReplacesEveryResult) {
    enterWorkedDesignWithAdmixture();
    calculate();
    control<platform::FormOptionButton>(m::kWithoutAdmixtureOption)->click();
    calculate();
    EXPECT_EQ(resultTexts(), kWorkedDesignTexts);
}

}  // namespace
}  // namespace krv1::testing
