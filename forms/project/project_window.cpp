#include "project_window.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

#include "element_table.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "presentation/project_report.h"
#include "project_window_layout.h"
#include "text/project_texts.h"

namespace krv1::forms {

namespace k = project_controls;
using platform::FromUtf8;

ProjectWindow::ProjectWindow()
    : FormWindow(kProjectWindowLayout, kProjectWindowControls, platform::RedDiscIcon()),
      elements_(new ElementTable(this)),
      comparison_(new ComparisonTable(this)) {
    auto* list = control<QTableView>(k::kElements);
    list->setModel(elements_);
    list->setAccessibleName(FromUtf8(text::project::kElements));
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setItemDelegateForColumn(1, new SupplyDelegate(list));
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->horizontalHeader()->setStretchLastSection(true);
    auto* compared = control<QTableView>(k::kComparison);
    compared->setModel(comparison_);
    compared->setAccessibleName(FromUtf8(text::project::kCompareTitle));
    compared->setEditTriggers(QAbstractItemView::NoEditTriggers);
    compared->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    compared->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    control<QWidget>(k::kOrders)->setAccessibleName(FromUtf8(text::project::kOrderTitle));

    connect(elements_, &ElementTable::renamed, this, [this](int row, const QString& name) {
        project_.Elements[std::size_t(row)].Name = name.toStdString();
        edited();
    });
    connect(elements_, &ElementTable::supplied, this, [this](int row, presentation::Supply supply) {
        project_.Elements[std::size_t(row)].Supplied = supply;
        edited();
    });
    for (const char* box : {k::kNameBox, k::kEngineerBox})
        control<platform::FormTextBox>(box)->setMaxLength(int(presentation::kLongestEngineerName));
    for (const char* box : {k::kNameBox, k::kEngineerBox})
        control<platform::FormTextBox>(box)->acceptOnly([](const QString& typed) {
            return presentation::HarmlessEngineerName(typed.toStdString());
        });
    std::vector<const char*> boxes{k::kNameBox, k::kEngineerBox};
    boxes.insert(boxes.end(), k::kSettingBoxes.begin(), k::kSettingBoxes.end());
    for (const char* box : boxes)
        connect(control<platform::FormTextBox>(box), &QLineEdit::textEdited, this,
                &ProjectWindow::boxEdited);
    connect(control<QPushButton>(k::kAddCommand), &QPushButton::clicked, this, [this] {
        if (add_) add_();
    });
    connect(control<QPushButton>(k::kOpenCommand), &QPushButton::clicked, this, [this] {
        if (const auto element = chosenElement(); element && open_) open_(*element);
    });
    connect(control<QPushButton>(k::kRemoveCommand), &QPushButton::clicked, this, [this] {
        const auto element = chosenElement();
        if (!element) return;
        project_.Elements.erase(project_.Elements.begin() + std::ptrdiff_t(*element));
        edited();
    });
    connect(control<QPushButton>(k::kUpCommand), &QPushButton::clicked, this, [this] { move(-1); });
    connect(control<QPushButton>(k::kDownCommand), &QPushButton::clicked, this,
            [this] { move(1); });
    connect(control<QPushButton>(k::kCloseCommand), &QPushButton::clicked, this,
            &ProjectWindow::hide);
    // Esc does what the close command does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ProjectWindow::hide);
}

void ProjectWindow::fillOnLoad() {}

QWidget* ProjectWindow::firstFocus() const { return control<QWidget>(k::kElements); }

void ProjectWindow::fill(const presentation::Project& project) {
    project_ = project;
    control<platform::FormTextBox>(k::kNameBox)->setText(FromUtf8(project.Name));
    control<platform::FormTextBox>(k::kEngineerBox)->setText(FromUtf8(project.Engineer));
    for (std::size_t i = 0; i < k::kSettingBoxes.size(); ++i)
        control<platform::FormTextBox>(k::kSettingBoxes[i])->setText(FromUtf8(project.Settings[i]));
}

void ProjectWindow::show(const presentation::Project& project,
                         const presentation::ProjectShown& shown, const NumberLocale& separators) {
    project_ = project;
    const std::optional<std::size_t> chosen = chosenElement();
    elements_->setRows(presentation::ElementListRows(shown.Evaluation, separators));
    if (chosen && *chosen < project_.Elements.size()) choose(*chosen);
    comparison_->setTexts(presentation::ComparisonTableTexts(shown.Evaluation, separators));
    control<platform::FormMemo>(k::kOrders)
        ->setContent(FromUtf8(
            presentation::SheetText(presentation::OrderRows(shown.Evaluation, separators))));
    for (std::size_t i = 0; i < k::kSettingBoxes.size(); ++i)
        control<platform::FormTextBox>(k::kSettingBoxes[i])
            ->setFlagged(shown.Refusal && std::size_t(shown.Refusal->Setting) == i);
    control<platform::FormLabel>(k::kFoot)->setCaption(
        shown.Refusal ? FromUtf8(shown.Refusal->Message) : QString());
}

std::optional<std::size_t> ProjectWindow::chosenElement() const {
    const QModelIndex current = control<QTableView>(k::kElements)->currentIndex();
    if (!current.isValid() || std::size_t(current.row()) >= project_.Elements.size())
        return std::nullopt;
    return std::size_t(current.row());
}

void ProjectWindow::choose(std::size_t element) {
    auto* list = control<QTableView>(k::kElements);
    list->setCurrentIndex(elements_->index(int(element), 0));
    list->selectRow(int(element));
}

void ProjectWindow::boxEdited() {
    project_.Name = control<platform::FormTextBox>(k::kNameBox)->text().toStdString();
    project_.Engineer = control<platform::FormTextBox>(k::kEngineerBox)->text().toStdString();
    for (std::size_t i = 0; i < k::kSettingBoxes.size(); ++i)
        project_.Settings[i] =
            control<platform::FormTextBox>(k::kSettingBoxes[i])->text().toStdString();
    edited();
}

void ProjectWindow::edited() {
    if (projectSink_) projectSink_(project_);
}

void ProjectWindow::move(int by) {
    const auto element = chosenElement();
    if (!element) return;
    const std::ptrdiff_t to = std::ptrdiff_t(*element) + by;
    if (to < 0 || to >= std::ptrdiff_t(project_.Elements.size())) return;
    std::swap(project_.Elements[*element], project_.Elements[std::size_t(to)]);
    edited();
    choose(std::size_t(to));
}

}  // namespace krv1::forms
