// The main window: the engineer's inputs, the hint box, the two result panels
// and the commands. It keeps the open design as one document, and the last
// good evaluation of it; the site sheet, trial and records windows are views
// of that design that tell it of their edits. Every figure it shows comes
// from the one evaluation of the presentation layer.
#pragma once

#include <optional>
#include <string_view>

#include "documents/page_printing.h"
#include "engine/calculation.h"
#include "engine/mix_input.h"
#include "engine/number_locale.h"
#include "platform/form_window.h"
#include "presentation/design_document.h"
#include "presentation/design_evaluation.h"
#include "presentation/file_names.h"
#include "presentation/project_document.h"
#include "secondary_windows.h"

class QAction;
class QMenu;

namespace krv1::forms {

class MainWindow : public platform::FormWindow {
    Q_OBJECT
public:
    explicit MainWindow(SecondaryWindows& windows);

    // Empty before the first calculation that succeeds.
    const std::optional<presentation::CalculatedMix>& calculated() const { return calculated_; }

    void calculate();
    void showDetails();
    // Both result panels to the clipboard as plain text; nothing before a
    // calculation has succeeded.
    void copyResults();

    // Design files. Opening starts a new design from the file and calculates
    // it; a refused file leaves everything as it was. Each returns false when
    // nothing was done (refused, cancelled or failed).
    // Back to the start state, asking first to save a changed file.
    void newDesign();
    bool openDesign();
    bool openDesignFile(const QString& path);
    bool saveDesign();
    bool saveDesignAs();
    void saveReportAsPdf();
    // The report on the printer and copies chosen in the print dialog;
    // `choice` stands in for the dialog in tests.
    void printReport();
    void setPrinterChoice(documents::PrinterChoice choice) { printerChoice_ = std::move(choice); }
    // The design last calculated, from the settings, calculated again.
    void openLastCalculated();
    // The site batch sheet of the last successful calculation.
    void showSiteSheet();
    // The trial batch of the last successful calculation.
    void showTrial();
    // The site's strength records, kept with the design.
    void showRecords();
    // The site's materials, kept with the design.
    void showMaterials();

    // A project of many designs, beside the design in the boxes. Each
    // returns false when nothing was done (refused, cancelled or failed).
    void newProject();
    bool openProject();
    bool openProjectFile(const QString& path);
    bool saveProject();
    bool saveProjectAs();
    bool exportProjectWorkbook();
    void showProject();
    const presentation::ProjectDocument& project() const { return project_; }
    // The project's element the boxes edit, if they edit one.
    const std::optional<std::size_t>& editingElement() const { return editingElement_; }
    const presentation::SiteSettings& siteSettings() const { return document_.design().Site; }
    // What the boxes, choices and lists hold now, as a design file keeps it.
    presentation::Design designInBoxes() const;
    QString designPath() const;

protected:
    void fillOnLoad() override;
    QWidget* firstFocus() const override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    MixInput readInput() const;
    void showResults(const presentation::ResultTexts& texts);
    QWidget* controlOf(FaultyInput input) const;
    void showHint(const QString& hint);
    void enableDosage(bool enabled);
    void buildMenu();
    void startNewDesign();
    void fillBoxes(const presentation::Design& design);
    bool writeDesignTo(const QString& path);
    void rememberRecent(const QString& path);
    void refreshRecentMenu();
    void openRecent(const QString& path);
    // True when nothing unsaved would be lost, after asking to save it.
    // Asks `question` first when the open file has changed, or an untitled
    // design holds trial boxes or records; false when the engineer cancels
    // or the save fails.
    bool mayLeaveDesign(std::string_view question);
    void rememberLastCalculated();
    presentation::PrintedPage reportPage() const;
    // The names the pages are signed and dated with, as they read now.
    presentation::ReportNames reportNames() const;
    // The name proposed for a PDF of one of the design's pages.
    QString pdfName(presentation::PageKind kind) const;
    void updateTitle();
    // Calculate's work; `quietly` keeps a refusal to itself and the results
    // as they were.
    void calculateDesign(bool quietly);
    // The evaluation of the boxes as they are now, shown when its mix
    // calculated; a refused mix is told unless `quietly`.
    void adopt(const presentation::Design& design, const presentation::DesignEvaluation& evaluation,
               bool quietly);
    // The last calculated design again, with the tools' edits and the name
    // as it reads now: what the sheet and trial windows show.
    std::optional<presentation::DesignEvaluation> evaluateCalculated();
    void followInSiteSheet(const presentation::CalculatedMix& calculated);
    void followInTrial(const presentation::CalculatedMix& calculated);
    void followInRecords();
    void siteSettingsEdited(const presentation::SiteSettings& settings);
    void trialEdited(const presentation::TrialInputs& inputs);
    void recordsEdited(const presentation::StrengthRecords& records);
    void materialsEdited(const presentation::MaterialTexts& materials);
    void addProjectCommands(QMenu* file);
    bool writeProjectTo(const QString& path);
    void followInProject();
    void projectEdited(const presentation::Project& project);
    void addDesignToProject();
    // The element in the boxes: the title says so, and every calculation
    // that succeeds writes the design back into the project.
    void openElement(std::size_t element);
    void stopEditingElement();
    void writeBackElement(const presentation::Design& design);
    bool mayLeaveProject(std::string_view question);
    // The materials window, when open, flags what the evaluation refuses of
    // the materials, or nothing.
    void followInMaterials(const presentation::DesignEvaluation& evaluation);

    SecondaryWindows& windows_;
    // The open design; its engineer and inputs are the boxes' as last read.
    presentation::DesignDocument document_;
    presentation::ProjectDocument project_;
    std::optional<std::size_t> editingElement_;
    // The design of the last calculation that succeeded, and what it gave.
    std::optional<presentation::Design> calculatedDesign_;
    std::optional<presentation::CalculatedMix> calculated_;
    QMenu* recentMenu_ = nullptr;
    QAction* reportPdfAction_ = nullptr;
    QAction* printReportAction_ = nullptr;
    QAction* lastCalculatedAction_ = nullptr;
    documents::PrinterChoice printerChoice_ = platform::ChoosePrinter;
    QAction* siteSheetAction_ = nullptr;
    QAction* trialAction_ = nullptr;
};

}  // namespace krv1::forms
