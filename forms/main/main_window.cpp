#include "main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>

#include "hint_texts.h"
#include "main_window_layout.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/utf8_text.h"
#include "presentation/choice_texts.h"
#include "presentation/details_values.h"
#include "presentation/result_texts.h"
#include "presentation/site_sheet.h"
#include "remembered_settings.h"
#include "system_number_locale.h"
#include "text/design_file_texts.h"
#include "text/mix_choices.h"
#include "text/project_texts.h"

namespace krv1::forms {

using platform::FormDropDownList;
using platform::FormLabel;
using platform::FormMemo;
using platform::FormOptionButton;
using platform::FormTextBox;
namespace m = main_controls;

MainWindow::MainWindow(SecondaryWindows& windows)
    : FormWindow(kMainWindowLayout, kMainWindowControls, platform::RedDiscIcon()),
      windows_(windows) {
    presentation::Design design;
    design.Locale = SystemNumberLocale();
    document_.startUntitled(design);
    connectHandlers();
    buildMenu();
}

void MainWindow::connectHandlers() {
    const auto onClick = [this](const char* name, auto handler) {
        connect(control<QPushButton>(name), &QPushButton::clicked, this, handler);
    };
    onClick(m::kCalculateCommand, [this] { calculate(); });
    onClick(m::kDetailsCommand, [this] { showDetails(); });
    onClick(m::kConditionsCommand, [this] { windows_.conditions.show(); });
    onClick(m::kAboutCommand, [this] { windows_.about.show(); });
    onClick(m::kCloseCommand, [this] { close(); });
    // Enter in a box calculates, as on a form whose Calculate is the default.
    for (const char* box :
         {m::kStrengthBox, m::kDosageBox, m::kMoistureBox, m::kEngineerBox, m::kProjectBox})
        connect(control<FormTextBox>(box), &FormTextBox::returnPressed, this,
                [this] { calculate(); });
    // The name is one a design file keeps: at most 60 characters, none of
    // them a control or direction mark.
    // So is the project's, by the same rule.
    for (const char* box : {m::kEngineerBox, m::kProjectBox}) {
        auto* name = control<FormTextBox>(box);
        name->setMaxLength(static_cast<int>(presentation::kLongestEngineerName));
        name->acceptOnly([](const QString& typed) {
            return presentation::HarmlessEngineerName(typed.toStdString());
        });
    }

    // The dosage is asked for only with admixture.
    connect(control<FormOptionButton>(m::kWithAdmixtureOption), &FormOptionButton::selected, this,
            [this] { enableDosage(true); });
    connect(control<FormOptionButton>(m::kWithoutAdmixtureOption), &FormOptionButton::selected,
            this, [this] { enableDosage(false); });

    // Guidance in the hint box: only these controls give one, each on its
    // own gesture.
    const auto hintOnLabel = [this](const char* name, QString (*hint)()) {
        connect(control<FormLabel>(name), &FormLabel::mouseMoved, this,
                [this, hint] { showHint(hint()); });
    };
    hintOnLabel(m::kStrengthCaption, hints::Strength);
    hintOnLabel(m::kSlumpCaption, hints::SlumpCaption);
    hintOnLabel(m::kStoneCaption, hints::Aggregate);
    hintOnLabel(m::kMoistureCaption, hints::Moisture);
    connect(control<FormTextBox>(m::kStrengthBox), &FormTextBox::mouseMoved, this,
            [this] { showHint(hints::Strength()); });
    connect(control<FormTextBox>(m::kMoistureBox), &FormTextBox::clicked, this,
            [this] { showHint(hints::Moisture()); });
    connect(control<FormDropDownList>(m::kSlumpList), &FormDropDownList::entryChosen, this,
            [this] { showHint(hints::Slump()); });
    connect(control<FormDropDownList>(m::kStoneList), &FormDropDownList::entryChosen, this,
            [this] { showHint(hints::Aggregate()); });
    const auto hintOnOption = [this](const char* name, QString (*hint)()) {
        connect(control<FormOptionButton>(name), &FormOptionButton::mouseMoved, this,
                [this, hint] { showHint(hint()); });
    };
    hintOnOption(m::kWithAdmixtureOption, hints::Admixture);
    hintOnOption(m::kCubeOption, hints::Cube);
    hintOnOption(m::kCylinderOption, hints::Cylinder);
}

void MainWindow::fillOnLoad() {
    auto* slump = control<FormDropDownList>(m::kSlumpList);
    for (std::string_view entry : text::kSlumpEntries)
        slump->appendEntry(platform::FromUtf8(entry));
    auto* stone = control<FormDropDownList>(m::kStoneList);
    for (std::string_view entry : text::kStoneEntries)
        stone->appendEntry(platform::FromUtf8(entry));
    control<QLabel>(m::kPicture)->setPixmap(platform::RoadWorksSign(40));
    // A name that could not be saved in a design is not taken from the
    // settings either.
    const QString engineer = RememberedSettings::Engineer();
    if (presentation::HarmlessEngineerName(engineer.toStdString()))
        control<FormTextBox>(m::kEngineerBox)->setText(engineer);
    // With no design file open, the sheet's settings are the last ones typed.
    presentation::Design design = document_.design();
    design.Site = RememberedSettings::SiteSettings();
    document_.startUntitled(design);
}

QWidget* MainWindow::firstFocus() const { return control<QWidget>(m::kStrengthBox); }

void MainWindow::showHint(const QString& hint) { control<FormMemo>(m::kHintBox)->setContent(hint); }

MixInput MainWindow::readInput() const {
    MixInput input;
    input.RequiredStrength = control<FormTextBox>(m::kStrengthBox)->text().toStdString();
    if (control<FormOptionButton>(m::kCubeOption)->isChecked()) {
        input.Shape = SpecimenShape::Cube;
    } else if (control<FormOptionButton>(m::kCylinderOption)->isChecked()) {
        input.Shape = SpecimenShape::Cylinder;
    }
    if (control<FormOptionButton>(m::kWithAdmixtureOption)->isChecked()) {
        input.Admixture = AdmixtureChoice::WithAdmixture;
    } else if (control<FormOptionButton>(m::kWithoutAdmixtureOption)->isChecked()) {
        input.Admixture = AdmixtureChoice::WithoutAdmixture;
    }
    input.DosageText = control<FormTextBox>(m::kDosageBox)->text().toStdString();
    input.Slump = presentation::SlumpOfEntry(
        control<FormDropDownList>(m::kSlumpList)->currentEntry().toStdString());
    input.Stone = presentation::StoneOfEntry(
        control<FormDropDownList>(m::kStoneList)->currentEntry().toStdString());
    input.SandMoistureText = control<FormTextBox>(m::kMoistureBox)->text().toStdString();
    return input;
}

QWidget* MainWindow::controlOf(FaultyInput input) const {
    switch (input) {
        case FaultyInput::Strength:
            return control<QWidget>(m::kStrengthBox);
        case FaultyInput::SpecimenShape:
            return control<QWidget>(m::kCubeOption);
        case FaultyInput::AdmixtureChoice:
            return control<QWidget>(m::kWithAdmixtureOption);
        case FaultyInput::Dosage:
            return control<QWidget>(m::kDosageBox);
        case FaultyInput::Slump:
            return control<QWidget>(m::kSlumpList);
        case FaultyInput::StoneSize:
            return control<QWidget>(m::kStoneList);
        case FaultyInput::SandMoisture:
            return control<QWidget>(m::kMoistureBox);
    }
    return nullptr;
}

void MainWindow::calculate() { calculateDesign(false); }

void MainWindow::calculateDesign(bool quietly) {
    const presentation::Design design = designInBoxes();
    adopt(design, presentation::EvaluateDesign(design, documents::PrintingDay()), quietly);
}

void MainWindow::adopt(const presentation::Design& design,
                       const presentation::DesignEvaluation& evaluation, bool quietly) {
    const presentation::CalculatedMix* calculated = evaluation.calculated();
    if (!calculated) {
        // Nothing changes: the panels keep the last good results.
        if (quietly) return;
        platform::ShowMessage(this,
                              platform::FromUtf8(presentation::RefusalMessage(evaluation.Mix)));
        if (const auto* error = std::get_if<CalculationError>(&evaluation.Mix))
            if (error->Input) controlOf(*error->Input)->setFocus(Qt::OtherFocusReason);
        // A material refused is mended where it is typed.
        if (const auto* refused = std::get_if<presentation::MaterialsRefusal>(&evaluation.Mix)) {
            showMaterials();
            windows_.materials.existing()->focusBox(refused->Box);
        }
        return;
    }
    calculatedDesign_ = design;
    calculated_ = *calculated;
    writeBackElement(design);
    showResults(calculated->Panels);
    control<FormLabel>(m::kMarginNotice)->setCaption(platform::FromUtf8(calculated->MarginNotice));
    control<FormLabel>(m::kMaterialsNotice)
        ->setCaption(platform::FromUtf8(calculated->MaterialsNotice));
    QString notes;
    for (const std::string& note : calculated->MaterialNotes) notes += platform::FromUtf8(note);
    control<FormLabel>(m::kMaterialsNote)->setCaption(notes);
    control<QPushButton>(m::kDetailsCommand)->setEnabled(true);
    reportPdfAction_->setEnabled(true);
    printReportAction_->setEnabled(true);
    siteSheetAction_->setEnabled(true);
    trialAction_->setEnabled(true);
    rememberLastCalculated();
    followInSiteSheet(*calculated);
    followInTrial(*calculated);
    // The records weigh against the strength now in the boxes.
    followInRecords();
}

void MainWindow::showResults(const presentation::ResultTexts& texts) {
    for (std::size_t row = 0; row < presentation::kBatchRows; ++row) {
        control<FormLabel>(m::kBeforeCorrectionResults[row])
            ->setCaption(platform::FromUtf8(texts.BeforeCorrection[row]));
        control<FormLabel>(m::kAfterCorrectionResults[row])
            ->setCaption(platform::FromUtf8(texts.AfterCorrection[row]));
    }
}

void MainWindow::showDetails() {
    // Enabled only after a calculation succeeded, so there is always one.
    if (!calculated_) return;
    DetailsWindow& details = windows_.details.show();
    details.setReportNamesSource([this] { return reportNames(); });
    details.setPdfNameSource([this] { return pdfName(presentation::PageKind::Report); });
    details.setSiteSheetOpener([this] { showSiteSheet(); });
    details.setTrialOpener([this] { showTrial(); });
    details.fill(calculated_->Account);
}

void MainWindow::copyResults() {
    if (!calculated_) return;
    QGuiApplication::clipboard()->setText(platform::FromUtf8(calculated_->PanelsPlainText));
}

std::optional<presentation::DesignEvaluation> MainWindow::evaluateCalculated() {
    if (!calculatedDesign_) return std::nullopt;
    presentation::Design& design = *calculatedDesign_;
    design.Engineer = control<FormTextBox>(m::kEngineerBox)->text().toStdString();
    design.Project = control<FormTextBox>(m::kProjectBox)->text().toStdString();
    design.Site = document_.design().Site;
    design.Trial = document_.design().Trial;
    return presentation::EvaluateDesign(design, documents::PrintingDay());
}

void MainWindow::showSiteSheet() {
    if (!calculated_) return;
    SiteSheetWindow& sheet = windows_.siteSheet.show();
    sheet.setPdfNameSource([this] { return pdfName(presentation::PageKind::SiteSheet); });
    sheet.setSettingsSink(
        [this](const presentation::SiteSettings& settings) { siteSettingsEdited(settings); });
    if (const auto evaluation = evaluateCalculated())
        if (const auto* calculated = evaluation->calculated()) followInSiteSheet(*calculated);
}

void MainWindow::followInSiteSheet(const presentation::CalculatedMix& calculated) {
    SiteSheetWindow* sheet = windows_.siteSheet.existing();
    if (!sheet) return;
    sheet->fill(document_.design().Site);
    sheet->show(calculated.Sheet, calculated.SheetSource);
}

void MainWindow::siteSettingsEdited(const presentation::SiteSettings& settings) {
    document_.setSite(settings);
    if (document_.untitled()) RememberedSettings::SetSiteSettings(settings);
    const auto evaluation = evaluateCalculated();
    const auto* calculated = evaluation ? evaluation->calculated() : nullptr;
    if (SiteSheetWindow* sheet = windows_.siteSheet.existing(); sheet && calculated)
        sheet->show(calculated->Sheet, calculated->SheetSource);
}

void MainWindow::showTrial() {
    if (!calculated_) return;
    TrialWindow& trial = windows_.trial.show();
    trial.setPdfNameSource([this] { return pdfName(presentation::PageKind::Trial); });
    trial.setInputsSink([this](const presentation::TrialInputs& inputs) { trialEdited(inputs); });
    if (const auto evaluation = evaluateCalculated())
        if (const auto* calculated = evaluation->calculated()) followInTrial(*calculated);
}

void MainWindow::followInTrial(const presentation::CalculatedMix& calculated) {
    TrialWindow* trial = windows_.trial.existing();
    if (!trial) return;
    trial->fill(calculated.TrialBoxes);
    trial->show(calculated);
}

void MainWindow::trialEdited(const presentation::TrialInputs& inputs) {
    document_.setTrial(inputs);
    const auto evaluation = evaluateCalculated();
    const auto* calculated = evaluation ? evaluation->calculated() : nullptr;
    if (TrialWindow* trial = windows_.trial.existing(); trial && calculated)
        trial->show(*calculated);
}

void MainWindow::showRecords() {
    RecordsWindow& records = windows_.records.show();
    records.setPdfNameSource([this] { return pdfName(presentation::PageKind::Records); });
    records.setRecordsSink(
        [this](const presentation::StrengthRecords& edited) { recordsEdited(edited); });
    records.fill(document_.design().Records.value_or(presentation::StrengthRecords{}));
    followInRecords();
}

void MainWindow::followInRecords() {
    RecordsWindow* records = windows_.records.existing();
    if (!records) return;
    // The window weighs the records it shows, an empty table too.
    presentation::Design design = designInBoxes();
    design.Records = design.Records.value_or(presentation::StrengthRecords{});
    records->show(presentation::EvaluateDesign(design, documents::PrintingDay()).Records,
                  design.Locale);
}

void MainWindow::recordsEdited(const presentation::StrengthRecords& records) {
    const auto& kept = document_.design().Records;
    const bool usedMargin = kept && kept->UseMargin;
    document_.setRecords(records);
    const presentation::Design design = designInBoxes();
    const presentation::DesignEvaluation evaluation =
        presentation::EvaluateDesign(design, documents::PrintingDay());
    if (RecordsWindow* window = windows_.records.existing())
        window->show(evaluation.Records, design.Locale);
    // A design that takes its margin from the records follows them.
    if (calculated_ && (usedMargin || records.UseMargin)) adopt(design, evaluation, true);
}

void MainWindow::showMaterials() {
    MaterialsWindow& materials = windows_.materials.show();
    materials.setMaterialsSink(
        [this](const presentation::MaterialTexts& edited) { materialsEdited(edited); });
    materials.fill(document_.design().Materials);
    followInMaterials(presentation::EvaluateDesign(designInBoxes(), documents::PrintingDay()));
}

void MainWindow::followInMaterials(const presentation::DesignEvaluation& evaluation) {
    MaterialsWindow* materials = windows_.materials.existing();
    if (!materials) return;
    const auto* refused = std::get_if<presentation::MaterialsRefusal>(&evaluation.Mix);
    materials->showRefusal(refused ? std::optional(*refused) : std::nullopt);
}

void MainWindow::materialsEdited(const presentation::MaterialTexts& materials) {
    document_.setMaterials(materials);
    const presentation::Design design = designInBoxes();
    const presentation::DesignEvaluation evaluation =
        presentation::EvaluateDesign(design, documents::PrintingDay());
    followInMaterials(evaluation);
    // Every figure follows the materials at once, as it follows the records'
    // margin; a refused box leaves the last results as they were.
    if (calculated_) adopt(design, evaluation, true);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Ending the program: with a design file open whose boxes have changed,
    // the engineer is asked first; then every window goes.
    if (!mayLeaveDesign(text::design_file::kSaveChangesQuestion) ||
        !mayLeaveProject(text::project::kSaveBeforeQuitQuestion)) {
        event->ignore();
        return;
    }
    RememberedSettings::SetEngineer(control<FormTextBox>(m::kEngineerBox)->text());
    windows_.closeAll();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::enableDosage(bool enabled) {
    control<QWidget>(m::kDosageBox)->setEnabled(enabled);
    control<QWidget>(m::kDosageCaption)->setEnabled(enabled);
}

}  // namespace krv1::forms
