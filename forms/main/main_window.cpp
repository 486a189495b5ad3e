#include "main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QSettings>

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
#include "system_number_locale.h"
#include "text/design_file_texts.h"
#include "text/mix_choices.h"

namespace krv1::forms {

using platform::FormDropDownList;
using platform::FormLabel;
using platform::FormMemo;
using platform::FormOptionButton;
using platform::FormTextBox;
namespace m = main_controls;

namespace {
// The engineer's name is kept between runs.
const QString kEngineerKey = QStringLiteral("engineer");
const QString kSiteSettingsKey = QStringLiteral("siteSettings");
}  // namespace

MainWindow::MainWindow(SecondaryWindows& windows)
    : FormWindow(kMainWindowLayout, kMainWindowControls, platform::RedDiscIcon()),
      windows_(windows),
      locale_(SystemNumberLocale()) {
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
    for (const char* box : {m::kStrengthBox, m::kDosageBox, m::kMoistureBox, m::kEngineerBox})
        connect(control<FormTextBox>(box), &FormTextBox::returnPressed, this,
                [this] { calculate(); });
    // The name is one a design file keeps: at most 60 characters, none of
    // them a control or direction mark.
    auto* engineer = control<FormTextBox>(m::kEngineerBox);
    engineer->setMaxLength(static_cast<int>(presentation::kLongestEngineerName));
    engineer->acceptOnly(
        [](const QString& name) { return presentation::HarmlessEngineerName(name.toStdString()); });

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
    const QString engineer = QSettings().value(kEngineerKey).toString();
    if (presentation::HarmlessEngineerName(engineer.toStdString()))
        control<FormTextBox>(m::kEngineerBox)->setText(engineer);
    // With no design file open, the sheet's settings are the last ones typed.
    siteSettings_ = RememberedSiteSettings();
}

presentation::SiteSettings MainWindow::RememberedSiteSettings() {
    presentation::SiteSettings settings = presentation::DefaultSiteSettings();
    const QStringList remembered = QSettings().value(kSiteSettingsKey).toStringList();
    if (remembered.size() == static_cast<qsizetype>(settings.size()))
        for (std::size_t i = 0; i < settings.size(); ++i)
            settings[i] = remembered[static_cast<qsizetype>(i)].toStdString();
    return settings;
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
    // The records' margin in place of the method's 60, when the design uses it.
    const presentation::InputWithRecords margined =
        presentation::WithRecordsMargin(readInput(), records_, locale_);
    if (const auto* refused = std::get_if<presentation::RecordsRefusal>(&margined)) {
        if (!quietly) platform::ShowMessage(this, platform::FromUtf8(refused->Message));
        return;
    }
    const MixInput& input = std::get<MixInput>(margined);
    // Every press works the method's sheet afresh: no figure of an earlier
    // calculation reaches this one.
    const CalculationResult result = CalculateMix(input, MixState{}, locale_);
    if (const CalculationError* error = ErrorOf(result)) {
        // Nothing changes: the panels keep the last good results.
        if (quietly) return;
        platform::ShowMessage(this, platform::FromUtf8(error->Message));
        if (error->Input) controlOf(*error->Input)->setFocus(Qt::OtherFocusReason);
        return;
    }
    const MixDesign& design = *DesignOf(result);
    calculated_ = CalculatedDesign{input, design};
    showResults(design);
    control<QPushButton>(m::kDetailsCommand)->setEnabled(true);
    reportPdfAction_->setEnabled(true);
    printReportAction_->setEnabled(true);
    siteSheetAction_->setEnabled(true);
    trialAction_->setEnabled(true);
    rememberLastCalculated();
    followInSiteSheet();
    followInTrial();
    // The records weigh against the strength now in the boxes.
    if (RecordsWindow* records = windows_.records.existing())
        records->follow(RecordsSource{readInput(), locale_});
}

void MainWindow::showResults(const MixDesign& design) {
    const presentation::ResultTexts texts = presentation::ResultPanelTexts(design, locale_);
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
    details.setEngineerNameSource([this] { return control<FormTextBox>(m::kEngineerBox)->text(); });
    details.setSiteSheetOpener([this] { showSiteSheet(); });
    details.setTrialOpener([this] { showTrial(); });
    details.fill(presentation::DetailsValueTexts(calculated_->Input, calculated_->Design, locale_));
}

void MainWindow::copyResults() {
    if (!calculated_) return;
    QGuiApplication::clipboard()->setText(
        platform::FromUtf8(presentation::ResultPanelsPlainText(calculated_->Design, locale_)));
}

void MainWindow::showSiteSheet() {
    if (!calculated_) return;
    SiteSheetWindow& sheet = windows_.siteSheet.show();
    sheet.setSettingsSink(
        [this](const presentation::SiteSettings& settings) { siteSettingsEdited(settings); });
    followInSiteSheet();
}

void MainWindow::followInSiteSheet() {
    SiteSheetWindow* sheet = windows_.siteSheet.existing();
    if (!sheet || !calculated_) return;
    sheet->fill(
        presentation::SiteSheetSourceOf(calculated_->Input, calculated_->Design,
                                        control<FormTextBox>(m::kEngineerBox)->text().toStdString(),
                                        locale_, documents::PrintingDay()),
        siteSettings_);
}

void MainWindow::showTrial() {
    if (!calculated_) return;
    TrialWindow& trial = windows_.trial.show();
    trial.setInputsSink([this](const presentation::TrialInputs& inputs) { trial_ = inputs; });
    followInTrial();
}

void MainWindow::followInTrial() {
    TrialWindow* trial = windows_.trial.existing();
    if (!trial || !calculated_) return;
    trial->fill(TrialSource{calculated_->Input, calculated_->Design, locale_},
                trial_.value_or(presentation::TrialInputs{}));
}

void MainWindow::showRecords() {
    RecordsWindow& records = windows_.records.show();
    records.setRecordsSink(
        [this](const presentation::StrengthRecords& edited) { recordsEdited(edited); });
    followInRecords();
}

void MainWindow::followInRecords() {
    RecordsWindow* records = windows_.records.existing();
    if (!records) return;
    records->fill(RecordsSource{readInput(), locale_},
                  records_.value_or(presentation::StrengthRecords{}));
}

void MainWindow::recordsEdited(const presentation::StrengthRecords& records) {
    const bool usedMargin = records_ && records_->UseMargin;
    records_ = records;
    // A design that takes its margin from the records follows them.
    if (calculated_ && (usedMargin || records.UseMargin)) calculateDesign(true);
}

void MainWindow::siteSettingsEdited(const presentation::SiteSettings& settings) {
    siteSettings_ = settings;
    if (designPath_.isEmpty()) {
        QStringList texts;
        for (const std::string& text : settings) texts << QString::fromStdString(text);
        QSettings().setValue(kSiteSettingsKey, texts);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Ending the program: with a design file open whose boxes have changed,
    // the engineer is asked first; then every window goes.
    if (!mayLeaveDesign(text::design_file::kSaveChangesQuestion)) {
        event->ignore();
        return;
    }
    QSettings().setValue(kEngineerKey, control<FormTextBox>(m::kEngineerBox)->text());
    windows_.closeAll();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::enableDosage(bool enabled) {
    control<QWidget>(m::kDosageBox)->setEnabled(enabled);
    control<QWidget>(m::kDosageCaption)->setEnabled(enabled);
}

}  // namespace krv1::forms
