// The trial batch window: how much of the last calculated design to mix,
// what the trial measured, and the design the method re-proportions from it,
// with its chart. It follows each new calculation and every keystroke in its
// boxes; its adjusted mix is shown beside the design, never in its place.
#pragma once

#include <functional>
#include <string>

#include "documents/page_printing.h"
#include "platform/form_window.h"
#include "presentation/trial_report.h"

namespace krv1::forms {

// The calculation the trial is of.
struct TrialSource {
    MixInput Input;
    MixDesign Design;
    NumberLocale Locale;
};

class TrialWindow : public platform::FormWindow {
    Q_OBJECT
public:
    using InputsSink = std::function<void(const presentation::TrialInputs&)>;

    TrialWindow();

    // Shows the trial of this calculation with these texts in the boxes.
    void fill(const TrialSource& source, const presentation::TrialInputs& inputs);
    // Told of every change the engineer makes to the boxes.
    void setInputsSink(InputsSink sink) { inputsSink_ = std::move(sink); }
    // Stands in for the print dialog in tests.
    void setPrinterChoice(documents::PrinterChoice choice) { printerChoice_ = std::move(choice); }

    const presentation::TrialInputs& inputs() const { return inputs_; }
    // The trial as plain text, as it is copied and written by the command line.
    std::string plainText() const;

    void printTrial();
    void saveTrialAsPdf();
    void copyTrial();

protected:
    QWidget* firstFocus() const override;

private:
    void boxEdited();
    void refresh();
    presentation::PrintedPage page() const;

    TrialSource source_;
    presentation::TrialInputs inputs_;
    // The last trial that ran, and its rows as shown.
    std::optional<presentation::TrialOutcome> outcome_;
    std::vector<presentation::SheetRow> rows_;
    InputsSink inputsSink_;
    documents::PrinterChoice printerChoice_ = platform::ChoosePrinter;
};

}  // namespace krv1::forms
