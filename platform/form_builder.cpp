#include "form_builder.h"

#include <QCheckBox>
#include <QPalette>
#include <QTableView>
#include <algorithm>
#include <vector>

#include "controls.h"
#include "fonts.h"
#include "form_chart.h"
#include "twips.h"
#include "utf8_text.h"

namespace krv1::platform {
namespace {

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    const QString caption = FromUtf8(row.caption);
    switch (row.kind) {
        case ControlKind::CommandButton:
            return new FormCommandButton(caption, parent);
        case ControlKind::Label:
        case ControlKind::ValueLabel: {
            auto* label = new FormLabel(parent);
            label->setCaption(caption);
            if (row.kind == ControlKind::ValueLabel) label->makeSelectable();
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new FormTextBox(parent);
            box->setText(caption);
            return box;
        }
        case ControlKind::HintBox:
        case ControlKind::ReadOnlyText: {
            auto* memo = new FormMemo(parent, row.kind == ControlKind::HintBox);
            memo->setContent(caption);
            return memo;
        }
        case ControlKind::DropDownList:
            return new FormDropDownList(parent);
        case ControlKind::OptionButton: {
            auto* option = new FormOptionButton(parent);
            option->setText(caption);
            return option;
        }
        case ControlKind::Frame: {
            auto* frame = new FormFrame(parent);
            frame->setTitle(caption);
            return frame;
        }
        case ControlKind::PlainFrame: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::NoFrame);
            return frame;
        }
        case ControlKind::Chart:
            return new FormChart(parent);
        case ControlKind::Table:
            return new QTableView(parent);
        case ControlKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ControlKind::PictureBox: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
    }
    return nullptr;
}

// Whether Tab reaches the control.
bool TakesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::ValueLabel:
        case ControlKind::Frame:
        case ControlKind::PlainFrame:
        case ControlKind::PictureBox:
        case ControlKind::Chart:
            return false;
        default:
            return true;
    }
}

// Sets a colour for the active and inactive states only, so that a disabled
// control still draws greyed.
void SetLiveColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

void ApplyColours(QWidget* widget, const ControlRow& row, Rgb containerBack) {
    QPalette palette = widget->palette();
    const QColor fore = row.fore.value_or(kBlack).toColor();
    switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::ValueLabel:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::Frame:
        case ControlKind::PlainFrame:
        case ControlKind::PictureBox:
            widget->setAutoFillBackground(true);
            // Buttons paint their background in the Button role.
            palette.setColor(QPalette::Window, row.back.value_or(containerBack).toColor());
            palette.setColor(QPalette::Button, row.back.value_or(containerBack).toColor());
            SetLiveColour(palette, QPalette::WindowText, fore);
            break;
        case ControlKind::HintBox:
        case ControlKind::ReadOnlyText:
            palette.setColor(QPalette::Base, row.back.value_or(kWhite).toColor());
            palette.setColor(QPalette::Text, fore);
            break;
        case ControlKind::CommandButton:
        case ControlKind::TextBox:
        case ControlKind::DropDownList:
        case ControlKind::Chart:
        case ControlKind::Table:
            break;
    }
    widget->setPalette(palette);
}

// A label whose right end runs under a control drawn above it, over its
// whole height, wraps its text short of that control's edge: a two-line value
// box that runs under the next frame breaks its text before the frame
// instead of hiding the end beneath it.
void WrapShortOfCover(QWidget* label) {
    const QObjectList& siblings = label->parentWidget()->children();
    const QRect own = label->geometry();
    int clearTo = own.right();
    for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (!above) continue;
        const QRect cover = above->geometry();
        if (cover.left() > own.left() && cover.left() <= own.right() && cover.top() <= own.top() &&
            cover.bottom() >= own.bottom())
            clearTo = std::min(clearTo, cover.left() - 1);
    }
    label->setContentsMargins(0, 0, own.right() - clearTo, 0);
}

// An input or value that a label captions: named by it for screen readers.
bool TakesCaption(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::DropDownList:
        case ControlKind::ValueLabel:
            return true;
        default:
            return false;
    }
}

// The label that captions a control in the layout: the nearest on its row to
// its left, or else the nearest right above it.
const ControlRow* CaptionOf(const ControlRow& control, std::span<const ControlRow> rows) {
    const ControlRow* beside = nullptr;
    const ControlRow* above = nullptr;
    for (const ControlRow& row : rows) {
        if (row.kind != ControlKind::Label || row.caption.empty() ||
            row.container != control.container)
            continue;
        const bool sameRow =
            row.top < control.top + control.height && control.top < row.top + row.height;
        // A caption's box may reach under the value it captions.
        if (sameRow && row.left < control.left && (!beside || row.left > beside->left))
            beside = &row;
        const bool overlaps =
            row.left < control.left + control.width && control.left < row.left + row.width;
        if (overlaps && row.top + row.height <= control.top + 30 &&
            control.top - (row.top + row.height) < 400 && (!above || row.top > above->top))
            above = &row;
    }
    return beside ? beside : above;
}

}  // namespace

Controls BuildControls(QWidget* window, std::span<const ControlRow> rows, Rgb windowBack,
                       double dpi) {
    Controls controls;
    // First every control on the window, then each moved into its container,
    // so that the table may list a control before its frame.
    for (const ControlRow& row : rows) {
        QWidget* widget = CreateControl(row, window);
        widget->setObjectName(FromUtf8(row.name));
        controls.add(widget->objectName(), widget);
    }
    const auto backOf = [&](std::string_view container) {
        Rgb back = windowBack;
        for (std::string_view name = container; !name.empty();) {
            const auto it = std::find_if(rows.begin(), rows.end(),
                                         [&](const ControlRow& s) { return s.name == name; });
            if (it == rows.end()) break;
            if (it->back) return *it->back;
            name = it->container;
        }
        return back;
    };
    for (const ControlRow& row : rows) {
        QWidget* widget = controls.find(FromUtf8(row.name));
        if (!row.container.empty()) {
            QWidget* container = controls.find(FromUtf8(row.container));
            Q_ASSERT_X(container, "BuildControls", row.name.data());
            widget->setParent(container);
        }
        if (auto* option = qobject_cast<FormOptionButton*>(widget))
            option->joinGroupOf(widget->parentWidget());
        widget->setGeometry(TwipsToPixels(row.left, row.top, row.width, row.height, dpi));
        widget->setFont(FontFor(row.font));
        ApplyColours(widget, row, backOf(row.container));
        widget->setEnabled(row.enabled);
        if (!TakesFocus(row.kind) && row.kind != ControlKind::ValueLabel)
            widget->setFocusPolicy(Qt::NoFocus);
        widget->show();
    }
    // Within a container, labels lie beneath frames (a frame covers a label
    // it overlaps), a label further down above one higher up (the rectangles
    // of consecutive rows overlap by a twip row, where the upper row's box
    // is empty), on one row a label later in the table above an earlier one
    // (a value above the caption it follows), and command buttons above
    // everything.
    std::vector<const ControlRow*> labels;
    for (const ControlRow& row : rows)
        if (row.kind == ControlKind::Label || row.kind == ControlKind::ValueLabel)
            labels.push_back(&row);
    std::stable_sort(labels.begin(), labels.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->top < b->top; });
    for (auto row = labels.rbegin(); row != labels.rend(); ++row)
        controls.find(FromUtf8((*row)->name))->lower();
    for (const ControlRow& row : rows) {
        if (row.kind == ControlKind::CommandButton) controls.find(FromUtf8(row.name))->raise();
    }
    for (const ControlRow* row : labels) WrapShortOfCover(controls.find(FromUtf8(row->name)));

    for (const ControlRow& row : rows) {
        if (!TakesCaption(row.kind)) continue;
        const ControlRow* caption = CaptionOf(row, rows);
        if (!caption) continue;
        QWidget* widget = controls.find(FromUtf8(row.name));
        auto* label = qobject_cast<QLabel*>(controls.find(FromUtf8(caption->name)));
        if (auto* value = qobject_cast<FormLabel*>(widget)) {
            value->setCaptionedBy(FromUtf8(caption->caption));
        } else {
            label->setBuddy(widget);
            widget->setAccessibleName(FromUtf8(caption->caption).simplified());
        }
    }

    std::vector<const ControlRow*> focusable;
    for (const ControlRow& row : rows)
        if (TakesFocus(row.kind)) focusable.push_back(&row);
    std::sort(focusable.begin(), focusable.end(),
              [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(controls.find(FromUtf8(focusable[i - 1]->name)),
                             controls.find(FromUtf8(focusable[i]->name)));
    }
    return controls;
}

}  // namespace krv1::platform
