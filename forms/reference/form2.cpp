#include "form2.h"

#include <QPushButton>
#include <QFontMetricsF>
#include <QTextLayout>
#include <array>

#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "text/conditions_texts.h"
#include "text/reference_texts.h"

namespace krv1::forms {

using platform::ControlKind;
using platform::Rgb;

namespace {

const platform::WindowLayout kForm2Window{"Form2", text::reference::kConditionsTitle,
                                        Rgb{255, 192, 192}, 7110, 6765, false,
                                        QPoint(2100, 1530)};

// name, kind, container, caption, left, top, width, height, tab, back, fore
const std::array<platform::ControlRow, 2> kForm2Controls{{
    {"Text1", ControlKind::ReadOnlyText, "", "", 0, 0, 7095, 6015, 0, Rgb{0, 0, 0},
     Rgb{255, 255, 0}},
    {"Command1", ControlKind::CommandButton, "", text::reference::kConditionsClose, 2760, 6120,
     1095, 495, 1},
}};

// The box has no scroll bar: the text is set in the largest of these sizes
// at which all of it fits the box.
constexpr std::array<double, 7> kTextPointSizes{9.0, 8.5, 8.0, 7.5, 7.0, 6.5, 6.0};

}  // namespace

Form2::Form2() : FormWindow(kForm2Window, kForm2Controls, platform::SpeechBubbleIcon()) {
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this,
            &Form2::Command1_Click);
}

QString Form2::ConditionsText() {
    QString text;
    for (std::string_view piece : text::kConditionsPieces)
        text += platform::FromUtf8(piece);
    return text;
}

void Form2::Form_Load() {
    control<platform::FormMemo>("Text1")->setContent(ConditionsText());
    FitTextToBox();
}

QWidget* Form2::firstFocus() const { return control<QWidget>("Text1"); }

void Form2::Command1_Click() { hide(); }

void Form2::FitTextToBox() {
    auto* box = control<platform::FormMemo>("Text1");
    const double margin = box->document()->documentMargin();
    const QRect area = box->contentsRect();
    const QString text = ConditionsText();
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
