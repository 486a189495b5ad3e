#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "forms/reference/form2.h"
#include "forms/reference/form4.h"
#include "platform/controls.h"
#include "platform/single_window.h"
#include "platform/utf8_text.h"
#include "text/reference_texts.h"
#include "window_test_support.h"

namespace krv1::forms {
namespace {

using krv1::testing::Find;

QString Q(std::string_view text) { return platform::FromUtf8(text); }

TEST(ConditionsWindow, ShowsTheJoinedTextOf2437Characters) {
    platform::SingleWindow<Form2> conditions;
    Form2& window = conditions.show();
    auto* text = Find<platform::FormMemo>(&window, "Text1");
    EXPECT_EQ(text->content().size(), 2437);
    EXPECT_EQ(text->content(), Form2::ConditionsText());
    EXPECT_TRUE(text->content().startsWith(QString::fromUtf8("ข้อกำหนดในการออกแบบ นี้")));
    EXPECT_TRUE(text->content().endsWith(QString::fromUtf8("หิน อยู่ในสภาพแห้งในอากาศ")));
    EXPECT_TRUE(text->content().contains(QString::fromUtf8("=180 (170) (สำหรับค่ายุบตัว")));
    EXPECT_EQ(window.windowTitle(), Q(text::reference::kConditionsTitle));
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(text->palette().color(QPalette::Text), QColor(255, 255, 0));
    EXPECT_EQ(window.focusWidget(), text);
}

TEST(ConditionsWindow, WholeTextIsReadableWithoutAScrollBar) {
    platform::SingleWindow<Form2> conditions;
    auto* text = Find<platform::FormMemo>(&conditions.show(), "Text1");
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(text->verticalScrollBar()->maximum(), 0);
    EXPECT_GE(text->font().pointSizeF(), 6.0);  // still readable
}

TEST(ConditionsWindow, TypingChangesNothing) {
    platform::SingleWindow<Form2> conditions;
    auto* text = Find<platform::FormMemo>(&conditions.show(), "Text1");
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("abc"));
    QTest::keyClick(text, Qt::Key_Delete);
    EXPECT_EQ(text->content(), Form2::ConditionsText());
}

TEST(ConditionsWindow, CloseButtonHidesAndTheSameWindowReturns) {
    platform::SingleWindow<Form2> conditions;
    Form2& window = conditions.show();
    Find<QPushButton>(&window, "Command1")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(&conditions.show(), &window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Find<platform::FormMemo>(&window, "Text1")->content().size(), 2437);
}

TEST(ConditionsWindow, FrameCloseDestroysItAndTheNextShowRecreatesIt) {
    platform::SingleWindow<Form2> conditions;
    QPointer<Form2> first = &conditions.show();
    first->close();
    krv1::testing::ProcessEvents();
    EXPECT_TRUE(first.isNull());
    Form2& second = conditions.show();
    EXPECT_EQ(Find<platform::FormMemo>(&second, "Text1")->content(), Form2::ConditionsText());
    EXPECT_EQ(krv1::testing::ProgramWindowCount(), 1);
}

TEST(AboutWindow, ShowsItsThreeLabels) {
    platform::SingleWindow<Form4> about;
    Form4& window = about.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(Find<platform::FormLabel>(&window, "Label1")->caption(),
              Q(text::reference::kAboutPurpose));
    const QString contact = Find<platform::FormLabel>(&window, "Label2")->caption();
    EXPECT_TRUE(contact.contains(QStringLiteral("https://example.org/krv1")));
    EXPECT_TRUE(contact.contains(QStringLiteral("krv1@example.org")));
    EXPECT_TRUE(Find<platform::FormLabel>(&window, "Label3")->caption().contains(
        QString::fromUtf8("ทีมพัฒนาโปรแกรม KRV1")));
    EXPECT_EQ(Find(&window, "Label2")->palette().color(QPalette::Window), QColor(255, 224, 192));
}

TEST(AboutWindow, StaysSingleAndIsRecreatedAfterAFrameClose) {
    platform::SingleWindow<Form4> about;
    QPointer<Form4> first = &about.show();
    EXPECT_EQ(&about.show(), first.data());
    EXPECT_EQ(krv1::testing::ProgramWindowCount(), 1);
    first->close();
    krv1::testing::ProcessEvents();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(Find<platform::FormLabel>(&about.show(), "Label1")->caption(),
              Q(text::reference::kAboutPurpose));
}

}  // namespace
}  // namespace krv1::forms
