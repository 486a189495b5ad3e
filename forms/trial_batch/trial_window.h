// The trial batch window: how much of the last calculated design to mix,
// what the trial measured, and the design the method re-proportions from it,
// with its chart. It shows the trial the main window's design gives, and
// tells the main window of every keystroke in its boxes; its adjusted mix is
// shown beside the design, never in its place.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "documents/sheet_window.h"
#include "presentation/design_evaluation.h"

namespace krv1::forms {

class TrialWindow : public documents::SheetWindow {
    Q_OBJECT
public:
    using InputsSink = std::function<void(const presentation::TrialInputs&)>;

    TrialWindow();

    // Puts a design's texts in the boxes; what was shown of another goes.
    void fill(const presentation::TrialInputs& inputs);
    // Shows the trial of this calculation: a box refused names itself and
    // the last trial shown stays.
    void show(const presentation::CalculatedMix& calculated);
    // Told of every change the engineer makes to the boxes.
    void setInputsSink(InputsSink sink) { inputsSink_ = std::move(sink); }

    const presentation::TrialInputs& inputs() const { return inputs_; }
    std::string plainText() const override;
    std::string copiedText() const override;

protected:
    QWidget* firstFocus() const override;
    std::optional<presentation::PrintedPage> page() const override;

private:
    void boxEdited();
    void forgetShownTrial();
    void showTrial(const presentation::TrialShown& trial);
    void plot(const std::optional<presentation::TrialChart>& chart);

    presentation::TrialInputs inputs_;
    NumberLocale locale_;
    // The last trial that ran, as shown.
    std::optional<presentation::TrialShown> shown_;
    InputsSink inputsSink_;
};

}  // namespace krv1::forms
