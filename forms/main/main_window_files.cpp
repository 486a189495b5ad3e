// The main window's menu bar and its design files.
#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QMenu>

#include "documents/design_loading.h"
#include "documents/file_writing.h"
#include "documents/page_printing.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/utf8_text.h"
#include "presentation/choice_texts.h"
#include "presentation/file_names.h"
#include "remembered_settings.h"
#include "system_number_locale.h"
#include "text/design_file_texts.h"
#include "text/materials_texts.h"
#include "text/menu_texts.h"
#include "text/project_texts.h"
#include "text/site_sheet_texts.h"
#include "text/strength_records_texts.h"
#include "text/trial_batch_texts.h"

namespace krv1::forms {

using platform::FromUtf8;
namespace f = text::design_file;
namespace m = main_controls;

namespace {

QString DesignFilter() { return FromUtf8(f::kDesignFilter); }

}  // namespace

void MainWindow::buildMenu() {
    namespace t = text::menu;
    QMenu* file = menuBar()->addMenu(FromUtf8(t::kFile));
    file->addAction(FromUtf8(t::kNewDesign), QKeySequence::New, this, [this] { newDesign(); });
    file->addAction(FromUtf8(t::kOpenDesign), QKeySequence::Open, this, [this] { openDesign(); });
    file->addAction(FromUtf8(t::kSaveDesign), QKeySequence::Save, this, [this] { saveDesign(); });
    file->addAction(FromUtf8(t::kSaveDesignAs), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                    this, [this] { saveDesignAs(); });
    recentMenu_ = file->addMenu(FromUtf8(t::kRecentDesigns));
    // Every command has its key, shown in the menu; the captions carry no
    // mnemonic, being exact texts.
    lastCalculatedAction_ = file->addAction(FromUtf8(t::kOpenLastCalculated),
                                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this,
                                            [this] { openLastCalculated(); });
    lastCalculatedAction_->setEnabled(RememberedSettings::LastCalculatedDesign().has_value());
    reportPdfAction_ =
        file->addAction(FromUtf8(t::kSaveReportPdf), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                        this, [this] { saveReportAsPdf(); });
    reportPdfAction_->setEnabled(false);
    printReportAction_ = file->addAction(FromUtf8(t::kPrintReport), QKeySequence::Print, this,
                                         [this] { printReport(); });
    printReportAction_->setEnabled(false);
    file->addSeparator();
    addProjectCommands(file);
    file->addSeparator();
    file->addAction(FromUtf8(t::kQuit), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                    [this] { close(); });
    QMenu* edit = menuBar()->addMenu(FromUtf8(t::kEdit));
    edit->addAction(FromUtf8(t::kCopyResults), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this,
                    [this] { copyResults(); });
    QMenu* tools = menuBar()->addMenu(FromUtf8(text::site_sheet::kMenu));
    siteSheetAction_ =
        tools->addAction(FromUtf8(text::site_sheet::kMenuItem), QKeySequence(Qt::CTRL | Qt::Key_1),
                         this, [this] { showSiteSheet(); });
    siteSheetAction_->setEnabled(false);
    trialAction_ =
        tools->addAction(FromUtf8(text::trial::kMenuItem), QKeySequence(Qt::CTRL | Qt::Key_2), this,
                         [this] { showTrial(); });
    trialAction_->setEnabled(false);
    tools->addAction(FromUtf8(text::records::kMenuItem), QKeySequence(Qt::CTRL | Qt::Key_3), this,
                     [this] { showRecords(); });
    tools->addAction(FromUtf8(text::materials::kMenuItem), QKeySequence(Qt::CTRL | Qt::Key_4), this,
                     [this] { showMaterials(); });
    // The tools' keys reach them from whichever KRV1 window is in front.
    for (QAction* tool : tools->actions()) tool->setShortcutContext(Qt::ApplicationShortcut);
    dockMenuBar();
    refreshRecentMenu();
}

presentation::Design MainWindow::designInBoxes() const {
    // The same reading as Calculate's, with the separators the texts are in,
    // and what the tools' windows have put in the document.
    presentation::Design design = document_.design();
    design.Engineer = control<platform::FormTextBox>(m::kEngineerBox)->text().toStdString();
    design.Project = control<platform::FormTextBox>(m::kProjectBox)->text().toStdString();
    design.Input = readInput();
    return design;
}

QString MainWindow::designPath() const { return FromUtf8(document_.path()); }

void MainWindow::startNewDesign() {
    for (std::size_t row = 0; row < m::kBeforeCorrectionResults.size(); ++row) {
        control<platform::FormLabel>(m::kBeforeCorrectionResults[row])->setCaption({});
        control<platform::FormLabel>(m::kAfterCorrectionResults[row])->setCaption({});
    }
    control<platform::FormLabel>(m::kMarginNotice)->setCaption({});
    control<platform::FormLabel>(m::kMaterialsNotice)->setCaption({});
    control<platform::FormLabel>(m::kMaterialsNote)->setCaption({});
    control<QWidget>(m::kDetailsCommand)->setEnabled(false);
    reportPdfAction_->setEnabled(false);
    printReportAction_->setEnabled(false);
    siteSheetAction_->setEnabled(false);
    trialAction_->setEnabled(false);
    calculated_.reset();
    calculatedDesign_.reset();
}

void MainWindow::newDesign() {
    if (!mayLeaveDesign(f::kSaveBeforeNewQuestion)) return;
    startNewDesign();
    stopEditingElement();
    // Every box empty and nothing chosen; the engineer's and the project's
    // names and the remembered sheet settings stay.
    presentation::Design empty{
        control<platform::FormTextBox>(m::kEngineerBox)->text().toStdString(),
        MixInput{},
        SystemNumberLocale(),
        RememberedSettings::SiteSettings(),
        std::nullopt,
        std::nullopt,
        control<platform::FormTextBox>(m::kProjectBox)->text().toStdString()};
    fillBoxes(empty);
    control<platform::FormDropDownList>(m::kSlumpList)->setCurrentIndex(-1);
    control<platform::FormDropDownList>(m::kStoneList)->setCurrentIndex(-1);
    windows_.hideAll();
    document_.startUntitled(empty);
    updateTitle();
    control<QWidget>(m::kStrengthBox)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::rememberLastCalculated() {
    RememberedSettings::SetLastCalculatedDesign(
        QString::fromStdString(presentation::WriteDesign(designInBoxes())));
    lastCalculatedAction_->setEnabled(true);
}

void MainWindow::openLastCalculated() {
    const QString text = RememberedSettings::LastCalculatedDesign().value_or(QString());
    const presentation::DesignReading reading = presentation::ReadDesign(text.toStdString());
    if (const auto* refusal = std::get_if<presentation::DesignRefusal>(&reading)) {
        platform::ShowMessage(this, FromUtf8(refusal->Message));
        return;
    }
    if (!mayLeaveDesign(f::kSaveBeforeOpenQuestion)) return;
    startNewDesign();
    editingElement_.reset();
    const presentation::Design& design = std::get<presentation::Design>(reading);
    fillBoxes(design);
    // Not a file: the title says no file is open, and a save asks where.
    document_.startUntitled(design);
    updateTitle();
    calculate();
}

presentation::ReportNames MainWindow::reportNames() const {
    return presentation::ReportNames{
        control<platform::FormTextBox>(m::kEngineerBox)->text().toStdString(),
        control<platform::FormTextBox>(m::kProjectBox)->text().toStdString(),
        documents::PrintingDay()};
}

QString MainWindow::pdfName(presentation::PageKind kind) const {
    const presentation::ReportNames names = reportNames();
    return FromUtf8(presentation::PdfFileName(
        {document_.path(), names.Project, names.Engineer, presentation::IsoDate(names.Day)}, kind));
}

presentation::PrintedPage MainWindow::reportPage() const {
    // The last calculation, signed with the names as they read at the command.
    return presentation::ReportPage(calculated_->Account, reportNames());
}

void MainWindow::printReport() {
    if (calculated_) documents::PrintPageWithChoice(this, reportPage(), printerChoice_);
}

void MainWindow::fillBoxes(const presentation::Design& design) {
    const MixInput& input = design.Input;
    control<platform::FormTextBox>(m::kEngineerBox)->setText(FromUtf8(design.Engineer));
    control<platform::FormTextBox>(m::kProjectBox)->setText(FromUtf8(design.Project));
    control<platform::FormTextBox>(m::kStrengthBox)->setText(FromUtf8(input.RequiredStrength));
    control<platform::FormOptionButton>(m::kCubeOption)
        ->setValue(input.Shape == SpecimenShape::Cube);
    control<platform::FormOptionButton>(m::kCylinderOption)
        ->setValue(input.Shape == SpecimenShape::Cylinder);
    const bool with = input.Admixture == AdmixtureChoice::WithAdmixture;
    control<platform::FormOptionButton>(m::kWithAdmixtureOption)->setValue(with);
    control<platform::FormOptionButton>(m::kWithoutAdmixtureOption)
        ->setValue(input.Admixture == AdmixtureChoice::WithoutAdmixture);
    enableDosage(with);
    control<platform::FormTextBox>(m::kDosageBox)->setText(FromUtf8(input.DosageText));
    const auto indexOf = [](const auto& choices, auto choice) {
        const auto it = std::find(choices.begin(), choices.end(), choice);
        return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
    };
    control<platform::FormDropDownList>(m::kSlumpList)
        ->setCurrentIndex(indexOf(presentation::kSlumpChoices, input.Slump));
    control<platform::FormDropDownList>(m::kStoneList)
        ->setCurrentIndex(indexOf(presentation::kStoneChoices, input.Stone));
    control<platform::FormTextBox>(m::kMoistureBox)->setText(FromUtf8(input.SandMoistureText));
    // The texts mean what they meant where they were typed; an opened
    // design's sheet settings win, and its trial and records are kept with
    // it, to be saved again whole.
    document_.setDesign(design);
    if (RecordsWindow* records = windows_.records.existing())
        records->fill(design.Records.value_or(presentation::StrengthRecords{}));
    followInRecords();
    if (MaterialsWindow* materials = windows_.materials.existing())
        materials->fill(design.Materials);
}

bool MainWindow::openDesign() {
    if (!mayLeaveDesign(f::kSaveBeforeOpenQuestion)) return false;
    const QString path = platform::ChooseFileToOpen(this, DesignFilter());
    return !path.isEmpty() && openDesignFile(path);
}

bool MainWindow::openDesignFile(const QString& path) {
    const auto loaded = documents::LoadDesignFile(path);
    if (const QString* refusal = std::get_if<QString>(&loaded)) {
        platform::ShowMessage(this, *refusal);
        return false;
    }
    const presentation::Design& design = std::get<presentation::Design>(loaded);
    startNewDesign();
    editingElement_.reset();
    fillBoxes(design);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    document_.keepAsSaved(absolute.toStdString());
    rememberRecent(absolute);
    updateTitle();
    calculate();
    return true;
}

bool MainWindow::saveDesign() {
    return document_.untitled() ? saveDesignAs() : writeDesignTo(designPath());
}

bool MainWindow::saveDesignAs() {
    const QString proposed = document_.untitled() ? QStringLiteral("KRV1.krv1") : designPath();
    const QString path = platform::ChooseFileToSave(this, DesignFilter(), proposed);
    return !path.isEmpty() && writeDesignTo(path);
}

bool MainWindow::writeDesignTo(const QString& path) {
    const presentation::Design design = designInBoxes();
    if (const auto failure = documents::WriteWholeFile(
            path, QByteArray::fromStdString(presentation::WriteDesign(design)))) {
        platform::ShowMessage(this, *failure);
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    document_.setDesign(design);
    document_.keepAsSaved(absolute.toStdString());
    rememberRecent(absolute);
    updateTitle();
    return true;
}

void MainWindow::saveReportAsPdf() {
    if (calculated_)
        documents::SavePageAsPdf(this, reportPage(), pdfName(presentation::PageKind::Report));
}

bool MainWindow::mayLeaveDesign(std::string_view question) {
    document_.setDesign(designInBoxes());
    if (!document_.holdsUnsavedWork()) return true;
    switch (platform::AskToSave(this, FromUtf8(question))) {
        case platform::SaveAnswer::Save:
            return saveDesign();
        case platform::SaveAnswer::DontSave:
            return true;
        case platform::SaveAnswer::Cancel:
            return false;
    }
    return false;
}

void MainWindow::rememberRecent(const QString& path) {
    QStringList recent = RememberedSettings::RecentDesigns();
    recent.removeAll(path);
    recent.prepend(path);
    RememberedSettings::SetRecentDesigns(recent);
    refreshRecentMenu();
}

void MainWindow::refreshRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = RememberedSettings::RecentDesigns();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString& path = recent[i];
        recentMenu_
            ->addAction(QFileInfo(path).fileName(),
                        QKeySequence(Qt::CTRL | Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + i)),
                        this, [this, path] { openRecent(path); })
            ->setToolTip(path);
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

void MainWindow::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        QStringList recent = RememberedSettings::RecentDesigns();
        recent.removeAll(path);
        RememberedSettings::SetRecentDesigns(recent);
        refreshRecentMenu();
        platform::ShowMessage(this, FromUtf8(f::kRecentGone));
        return;
    }
    if (mayLeaveDesign(f::kSaveBeforeOpenQuestion)) openDesignFile(path);
}

void MainWindow::updateTitle() {
    if (editingElement_ && *editingElement_ < project_.project().Elements.size()) {
        const presentation::Project& project = project_.project();
        const std::string of = project.Name.empty()
                                   ? QFileInfo(FromUtf8(project_.path())).fileName().toStdString()
                                   : project.Name;
        setWindowTitle(FromUtf8(std::string(text::project::kEditingTitle)
                                    .append(project.Elements[*editingElement_].Name)
                                    .append(text::project::kEditingOf)
                                    .append(of)));
        return;
    }
    setWindowTitle(document_.untitled()
                       ? QStringLiteral("KRV1")
                       : FromUtf8(f::kTitleWithFile) + QFileInfo(designPath()).fileName());
}

}  // namespace krv1::forms
