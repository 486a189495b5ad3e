#include "materials_window.h"

#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <array>

#include "materials_window_layout.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"

namespace krv1::forms {

namespace k = materials_controls;
using platform::FromUtf8;
using presentation::CementKind;

namespace {

// The list's entries, in the order the list shows them.
constexpr std::array kCementEntries{CementKind::Portland, CementKind::Hydraulic, CementKind::Other};

}  // namespace

MaterialsWindow::MaterialsWindow()
    : FormWindow(kMaterialsWindowLayout, kMaterialsWindowControls, platform::RedDiscIcon()) {
    for (const char* box : k::kBoxes)
        connect(control<platform::FormTextBox>(box), &QLineEdit::textEdited, this,
                &MaterialsWindow::edited);
    connect(control<platform::FormDropDownList>(k::kCementList),
            &platform::FormDropDownList::entryChosen, this, &MaterialsWindow::edited);
    connect(control<QPushButton>(k::kDefaultsCommand), &QPushButton::clicked, this, [this] {
        fill(presentation::MaterialTexts{});
        edited();
    });
    connect(control<QPushButton>(k::kCloseCommand), &QPushButton::clicked, this,
            &MaterialsWindow::hide);
    // Esc does what the close command does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &MaterialsWindow::hide);
}

void MaterialsWindow::fillOnLoad() {
    auto* list = control<platform::FormDropDownList>(k::kCementList);
    for (CementKind kind : kCementEntries)
        list->appendEntry(FromUtf8(presentation::CementName(kind)));
    // An empty box stands for the method's value, shown greyed in it.
    const auto& rows = presentation::MaterialBoxRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* box = control<platform::FormTextBox>(k::kBoxes[i]);
        box->setPlaceholderText(FromUtf8(rows[i].Default));
        // A figure longer than this could not be printed as typed.
        box->setMaxLength(static_cast<int>(presentation::kLongestMaterialText) + 2);
    }
    fill(materials_);
}

QWidget* MaterialsWindow::firstFocus() const { return control<QWidget>(k::kCementList); }

void MaterialsWindow::fill(const presentation::MaterialTexts& materials) {
    materials_ = materials;
    const auto entry = std::find(kCementEntries.begin(), kCementEntries.end(), materials.Cement);
    control<platform::FormDropDownList>(k::kCementList)
        ->setCurrentIndex(static_cast<int>(entry - kCementEntries.begin()));
    for (std::size_t i = 0; i < k::kBoxes.size(); ++i)
        control<platform::FormTextBox>(k::kBoxes[i])->setText(FromUtf8(materials.Boxes[i]));
    showRefusal(std::nullopt);
    showNote();
}

void MaterialsWindow::edited() {
    const int entry = control<platform::FormDropDownList>(k::kCementList)->currentIndex();
    materials_.Cement = entry < 0 ? CementKind::Portland : kCementEntries[entry];
    for (std::size_t i = 0; i < k::kBoxes.size(); ++i)
        materials_.Boxes[i] = control<platform::FormTextBox>(k::kBoxes[i])->text().toStdString();
    showNote();
    if (materialsSink_) materialsSink_(materials_);
}

void MaterialsWindow::showNote() {
    QString note;
    for (const std::string& line : presentation::MaterialNotes(materials_)) note += FromUtf8(line);
    control<platform::FormLabel>(k::kNote)->setCaption(note);
}

void MaterialsWindow::showRefusal(const std::optional<presentation::MaterialsRefusal>& refusal) {
    for (std::size_t i = 0; i < k::kBoxes.size(); ++i)
        control<platform::FormTextBox>(k::kBoxes[i])
            ->setFlagged(refusal && static_cast<std::size_t>(refusal->Box) == i);
    control<platform::FormLabel>(k::kFoot)->setCaption(refusal ? FromUtf8(refusal->Message)
                                                               : QString());
}

void MaterialsWindow::focusBox(presentation::MaterialBox box) {
    control<QWidget>(k::kBoxes[static_cast<std::size_t>(box)])->setFocus(Qt::OtherFocusReason);
}

}  // namespace krv1::forms
