#include "conditions_window.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QShortcut>
#include <QTextLayout>
#include <array>

#include "conditions_window_layout.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "text/conditions_texts.h"

namespace krv1::forms {

namespace c = conditions_controls;

namespace {

// The box has no scroll bar: the text is set in the largest of these sizes
// at which all of it fits the box.
constexpr std::array<double, 7> kTextPointSizes{9.0, 8.5, 8.0, 7.5, 7.0, 6.5, 6.0};

}  // namespace

ConditionsWindow::ConditionsWindow()
    : FormWindow(kConditionsWindowLayout, kConditionsWindowControls, platform::SpeechBubbleIcon()) {
    connect(control<QPushButton>(c::kCloseCommand), &QPushButton::clicked, this,
            &ConditionsWindow::hide);
    // Esc does what the close command does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ConditionsWindow::hide);
}

QString ConditionsWindow::conditionsText() {
    QString text;
    for (std::string_view piece : text::kConditionsPieces) text += platform::FromUtf8(piece);
    return text;
}

void ConditionsWindow::fillOnLoad() {
    control<platform::FormMemo>(c::kConditionsText)->setContent(conditionsText());
    fitTextToBox();
}

QWidget* ConditionsWindow::firstFocus() const { return control<QWidget>(c::kConditionsText); }

void ConditionsWindow::fitTextToBox() {
    auto* box = control<platform::FormMemo>(c::kConditionsText);
    const double margin = box->document()->documentMargin();
    const QRect area = box->contentsRect();
    const QString text = conditionsText();
    QFont font = box->font();
    for (double size : kTextPointSizes) {
        font.setPointSizeF(size);
        // Break the text into lines as the box will, at the box's inner width.
        QTextLayout layout(text, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width() - 2 * margin);
            ++lines;
        }
        layout.endLayout();
        const double height = lines * QFontMetricsF(font).lineSpacing() + 2 * margin;
        if (height <= area.height()) break;
    }
    box->setFont(font);
}

}  // namespace krv1::forms
