// The main window: the engineer's inputs, the hint box, the two result panels
// and the commands. It owns the calculation state; every figure it shows
// comes from the engine and every text from the presentation layer.
#pragma once

#include <optional>

#include "engine/calculation.h"
#include "engine/mix_input.h"
#include "engine/mix_state.h"
#include "engine/number_locale.h"
#include "platform/form_window.h"
#include "secondary_windows.h"

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

    const MixState& mixState() const { return state_; }
    // Empty before the first calculation that succeeds.
    const std::optional<CalculatedDesign>& calculated() const { return calculated_; }

    void calculate();
    void showDetails();
    // Both result panels to the clipboard as plain text; nothing before a
    // calculation has succeeded.
    void copyResults();

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

    SecondaryWindows& windows_;
    NumberLocale locale_;
    MixState state_;
    std::optional<CalculatedDesign> calculated_;
};

}  // namespace krv1::forms
