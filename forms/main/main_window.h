// The main window: the engineer's inputs, the hint box, the two result panels
// and the commands. It keeps the last good calculation; every figure it shows
// comes from the engine and every text from the presentation layer.
#pragma once

#include <optional>
#include <string_view>

#include "documents/page_printing.h"
#include "engine/calculation.h"
#include "engine/mix_input.h"
#include "engine/number_locale.h"
#include "platform/form_window.h"
#include "presentation/design_file.h"
#include "secondary_windows.h"

class QAction;
class QMenu;

namespace krv1::forms {

// The last calculation that succeeded, with the inputs it was made from.
struct CalculatedDesign {
    MixInput Input;
    MixDesign Design;
};

class MainWindow : public platform::FormWindow {
    Q_OBJECT
public:
    explicit MainWindow(SecondaryWindows& windows);

    // Empty before the first calculation that succeeds.
    const std::optional<CalculatedDesign>& calculated() const { return calculated_; }

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
    const presentation::SiteSettings& siteSettings() const { return siteSettings_; }
    // What the boxes, choices and lists hold now, as a design file keeps it.
    presentation::Design designInBoxes() const;
    const QString& designPath() const { return designPath_; }

protected:
    void fillOnLoad() override;
    QWidget* firstFocus() const override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    MixInput readInput() const;
    void showResults(const MixDesign& design);
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
    // Asks `question` first when the open file has changed; false when the
    // engineer cancels or the save fails.
    bool mayLeaveDesign(std::string_view question);
    void rememberLastCalculated();
    presentation::PrintedPage reportPage() const;
    static presentation::SiteSettings RememberedSiteSettings();
    void updateTitle();
    void followInSiteSheet();
    void followInTrial();
    void followInRecords();
    void recordsEdited(const presentation::StrengthRecords& records);
    // Calculate's work; `quietly` keeps a refusal to itself and the results
    // as they were.
    void calculateDesign(bool quietly);
    void siteSettingsEdited(const presentation::SiteSettings& settings);

    SecondaryWindows& windows_;
    NumberLocale locale_;
    std::optional<CalculatedDesign> calculated_;
    QString designPath_;  // the open design file, empty with none
    presentation::Design savedDesign_;
    std::optional<presentation::TrialInputs> trial_;  // the design's trial batch, if tried
    // The site's strength records, when the engineer has kept any.
    std::optional<presentation::StrengthRecords> records_;
    QMenu* recentMenu_ = nullptr;
    QAction* reportPdfAction_ = nullptr;
    QAction* printReportAction_ = nullptr;
    QAction* lastCalculatedAction_ = nullptr;
    documents::PrinterChoice printerChoice_ = platform::ChoosePrinter;
    QAction* siteSheetAction_ = nullptr;
    QAction* trialAction_ = nullptr;
    presentation::SiteSettings siteSettings_ = presentation::DefaultSiteSettings();
};

}  // namespace krv1::forms
