// Every character of every text the windows show must be drawn from the font
// the window uses for it: no empty boxes in place of Thai letters or marks.
#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "forms/main/hint_texts.h"
#include "main_window_fixture.h"
#include "platform/fonts.h"
#include "text/engine_messages.h"

namespace krv1::testing {
namespace {

// The characters of `text` missing from `font`; blanks excepted.
QString MissingGlyphs(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (c == U' ' || c == U'\n') continue;
        if (!metrics.inFontUcs4(c)) missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

void ExpectDrawable(const QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) text = frame->title();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) text = memo->toPlainText();
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i) text += combo->itemText(i);
        EXPECT_EQ(MissingGlyphs(widget->font(), text), QString())
            << qPrintable(widget->objectName());
    }
    EXPECT_EQ(MissingGlyphs(window->font(), window->windowTitle()), QString());
}

TEST_F(MainWindowTest, EveryTextIsDrawnFromTheChosenThaiFont) {
    EXPECT_TRUE(platform::FontInstalled(QString::fromLatin1(platform::kUiFamily)));
    EXPECT_EQ(QFontInfo(control(m::kStrengthCaption)->font()).family(),
              QString::fromLatin1(platform::kUiFamily));
    EXPECT_EQ(QFontInfo(control(m::kProgramTitle)->font()).family(),
              QString::fromLatin1(platform::kUiFamily));
    EXPECT_TRUE(QFontInfo(control(m::kProgramTitle)->font()).bold());

    enterWorkedDesign();
    calculate();
    ExpectDrawable(form.get());
    for (const QString& hint :
         {forms::hints::Strength(), forms::hints::Slump(), forms::hints::SlumpCaption(),
          forms::hints::Aggregate(), forms::hints::Moisture(), forms::hints::Admixture(),
          forms::hints::Cube(), forms::hints::Cylinder()})
        EXPECT_EQ(MissingGlyphs(control(m::kHintBox)->font(), hint), QString());
    for (std::string_view message :
         {text::kStrengthNotNumber, text::kShapeNotChosen, text::kTargetStrengthOutOfRange,
          text::kAdmixtureNotChosen, text::kDosageNotNumber, text::kSlumpNotChosen,
          text::kAggregateNotChosen, text::kMoistureNotNumber, text::kResultOutOfRange})
        EXPECT_EQ(MissingGlyphs(QApplication::font(), Q(message)), QString());

    control<QPushButton>(m::kConditionsCommand)->click();
    control<QPushButton>(m::kAboutCommand)->click();
    ExpectDrawable(windows->conditions.existing());
    ExpectDrawable(windows->about.existing());
}

}  // namespace
}  // namespace krv1::testing
