#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "forms/about/about_window.h"
#include "forms/about/about_window_layout.h"
#include "forms/conditions/conditions_window.h"
#include "forms/conditions/conditions_window_layout.h"
#include "platform/controls.h"
#include "platform/single_window.h"
#include "platform/utf8_text.h"
#include "text/reference_texts.h"
#include "window_test_support.h"

namespace krv1::forms {
namespace {

using krv1::testing::Find;
namespace c = conditions_controls;
namespace a = about_controls;

QString Q(std::string_view text) { return platform::FromUtf8(text); }

TEST(ConditionsWindow, ShowsTheJoinedTextOf2437Characters) {
    platform::SingleWindow<ConditionsWindow> conditions;
    ConditionsWindow& window = conditions.show();
    auto* text = Find<platform::FormMemo>(&window, c::kConditionsText);
    EXPECT_EQ(text->content().size(), 2437);
    EXPECT_EQ(text->content(), ConditionsWindow::conditionsText());
    EXPECT_TRUE(text->content().startsWith(QString::fromUtf8("ข้อกำหนดในการออกแบบ นี้")));
    EXPECT_TRUE(text->content().endsWith(QString::fromUtf8("หิน อยู่ในสภาพแห้งในอากาศ")));
    EXPECT_TRUE(text->content().contains(QString::fromUtf8("=180 (170) (สำหรับค่ายุบตัว")));
    EXPECT_EQ(window.windowTitle(), Q(text::reference::kConditionsTitle));
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(text->palette().color(QPalette::Text), QColor(255, 255, 0));
    EXPECT_EQ(window.focusWidget(), text);
}

TEST(ConditionsWindow, WholeTextIsReadableWithoutAScrollBar) {
    platform::SingleWindow<ConditionsWindow> conditions;
    auto* text = Find<platform::FormMemo>(&conditions.show(), c::kConditionsText);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(text->verticalScrollBar()->maximum(), 0);
    EXPECT_GE(text->font().pointSizeF(), 6.0);  // still readable
}

TEST(ConditionsWindow, TypingChangesNothing) {
    platform::SingleWindow<ConditionsWindow> conditions;
    auto* text = Find<platform::FormMemo>(&conditions.show(), c::kConditionsText);
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("abc"));
    QTest::keyClick(text, Qt::Key_Delete);
    EXPECT_EQ(text->content(), ConditionsWindow::conditionsText());
}

TEST(ConditionsWindow, CloseButtonHidesAndTheSameWindowReturns) {
    platform::SingleWindow<ConditionsWindow> conditions;
    ConditionsWindow& window = conditions.show();
    Find<QPushButton>(&window, c::kCloseCommand)->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(&conditions.show(), &window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Find<platform::FormMemo>(&window, c::kConditionsText)->content().size(), 2437);
}

TEST(ConditionsWindow, FrameCloseDestroysItAndTheNextShowRecreatesIt) {
    platform::SingleWindow<ConditionsWindow> conditions;
    QPointer<ConditionsWindow> first = &conditions.show();
    first->close();
    krv1::testing::ProcessEvents();
    EXPECT_TRUE(first.isNull());
    ConditionsWindow& second = conditions.show();
    EXPECT_EQ(Find<platform::FormMemo>(&second, c::kConditionsText)->content(),
              ConditionsWindow::conditionsText());
    EXPECT_EQ(krv1::testing::ProgramWindowCount(), 1);
}

TEST(AboutWindow, ShowsItsThreeLabels) {
    platform::SingleWindow<AboutWindow> about;
    AboutWindow& window = about.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(Find<platform::FormLabel>(&window, a::kPurpose)->caption(),
              Q(text::reference::kAboutPurpose));
    const QString contact = Find<platform::FormLabel>(&window, a::kContact)->caption();
    // The version and build day, then the licence: no address of nobody.
    EXPECT_TRUE(contact.startsWith(QString::fromUtf8("KRV1 รุ่น 1.")));
    EXPECT_TRUE(
        contact.contains(QRegularExpression(QString::fromUtf8("สร้างเมื่อ \\d{4}-\\d\\d-\\d\\d\n"))));
    EXPECT_TRUE(contact.contains(QString::fromUtf8("สัญญาอนุญาต: ")));
    EXPECT_FALSE(contact.contains(QStringLiteral("example")));
    EXPECT_TRUE(Find<platform::FormLabel>(&window, a::kCredit)
                    ->caption()
                    .contains(QString::fromUtf8("ทีมพัฒนาโปรแกรม KRV1")));
    EXPECT_EQ(Find(&window, a::kContact)->palette().color(QPalette::Window), QColor(255, 224, 192));
}

TEST(AboutWindow, StaysSingleAndIsRecreatedAfterAFrameClose) {
    platform::SingleWindow<AboutWindow> about;
    QPointer<AboutWindow> first = &about.show();
    EXPECT_EQ(&about.show(), first.data());
    EXPECT_EQ(krv1::testing::ProgramWindowCount(), 1);
    first->close();
    krv1::testing::ProcessEvents();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(Find<platform::FormLabel>(&about.show(), a::kPurpose)->caption(),
              Q(text::reference::kAboutPurpose));
}

}  // namespace
}  // namespace krv1::forms
