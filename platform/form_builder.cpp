#include "form_builder.h"

#include <QPalette>
#include <algorithm>
#include <vector>

#include "controls.h"
#include "fonts.h"
#include "twips.h"

namespace krv1::platform {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* CreateControl(const ControlSpec& spec, QWidget* parent) {
    const QString caption = ToQString(spec.caption);
    switch (spec.kind) {
        case ControlKind::CommandButton:
            return new QPushButton(caption, parent);
        case ControlKind::Label: {
            auto* label = new FormLabel(parent);
            label->setCaption(caption);
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new FormTextBox(parent);
            box->setText(caption);
            return box;
        }
        case ControlKind::HintBox:
        case ControlKind::ReadOnlyText: {
            auto* memo = new FormMemo(parent, spec.kind == ControlKind::HintBox);
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
        case ControlKind::PictureBox: {
            auto* picture = new QLabel(parent);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
    }
    return nullptr;
}

bool TakesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::PlainFrame:
        case ControlKind::PictureBox:
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

void ApplyColours(QWidget* widget, const ControlSpec& spec, Rgb containerBack) {
    QPalette palette = widget->palette();
    const QColor fore = spec.fore.value_or(kBlack).toColor();
    switch (spec.kind) {
        case ControlKind::Label:
        case ControlKind::OptionButton:
        case ControlKind::Frame:
        case ControlKind::PlainFrame:
        case ControlKind::PictureBox:
            widget->setAutoFillBackground(true);
            // Buttons paint their background in the Button role.
            palette.setColor(QPalette::Window, spec.back.value_or(containerBack).toColor());
            palette.setColor(QPalette::Button, spec.back.value_or(containerBack).toColor());
            SetLiveColour(palette, QPalette::WindowText, fore);
            break;
        case ControlKind::HintBox:
        case ControlKind::ReadOnlyText:
            palette.setColor(QPalette::Base, spec.back.value_or(kWhite).toColor());
            palette.setColor(QPalette::Text, fore);
            break;
        case ControlKind::CommandButton:
        case ControlKind::TextBox:
        case ControlKind::DropDownList:
            break;
    }
    widget->setPalette(palette);
}

}  // namespace

Controls BuildControls(QWidget* window, std::span<const ControlSpec> specs, Rgb windowBack,
                       double dpi) {
    Controls controls;
    // First every control on the window, then each moved into its container,
    // so that the table may list a control before its frame.
    for (const ControlSpec& spec : specs) {
        QWidget* widget = CreateControl(spec, window);
        widget->setObjectName(ToQString(spec.name));
        controls.add(widget->objectName(), widget);
    }
    const auto backOf = [&](std::string_view container) {
        Rgb back = windowBack;
        for (std::string_view name = container; !name.empty();) {
            const auto it = std::find_if(specs.begin(), specs.end(),
                                         [&](const ControlSpec& s) { return s.name == name; });
            if (it == specs.end()) break;
            if (it->back) return *it->back;
            name = it->container;
        }
        return back;
    };
    for (const ControlSpec& spec : specs) {
        QWidget* widget = controls.find(ToQString(spec.name));
        if (!spec.container.empty()) {
            QWidget* container = controls.find(ToQString(spec.container));
            Q_ASSERT_X(container, "BuildControls", spec.name.data());
            widget->setParent(container);
        }
        if (auto* option = qobject_cast<FormOptionButton*>(widget))
            option->joinGroupOf(widget->parentWidget());
        widget->setGeometry(TwipsToPixels(spec.left, spec.top, spec.width, spec.height, dpi));
        widget->setFont(FontFor(spec.font));
        ApplyColours(widget, spec, backOf(spec.container));
        widget->setEnabled(spec.enabled);
        if (!TakesFocus(spec.kind)) widget->setFocusPolicy(Qt::NoFocus);
        widget->show();
    }
    // Within a container, labels lie beneath frames (a frame covers a label
    // it overlaps), a label later in the table above an earlier one (a value
    // above the caption it follows), and command buttons above everything.
    for (auto spec = specs.rbegin(); spec != specs.rend(); ++spec) {
        if (spec->kind == ControlKind::Label) controls.find(ToQString(spec->name))->lower();
    }
    for (const ControlSpec& spec : specs) {
        if (spec.kind == ControlKind::CommandButton) controls.find(ToQString(spec.name))->raise();
    }

    std::vector<const ControlSpec*> focusable;
    for (const ControlSpec& spec : specs)
        if (TakesFocus(spec.kind)) focusable.push_back(&spec);
    std::sort(focusable.begin(), focusable.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(controls.find(ToQString(focusable[i - 1]->name)),
                             controls.find(ToQString(focusable[i]->name)));
    }
    return controls;
}

}  // namespace krv1::platform
