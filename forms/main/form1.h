// The main window: the engineer's inputs, the hint box, the two result panels
// and the commands. It owns the calculation state; every figure it shows
// comes from the engine, which it calls on Calculate.
#pragma once

#include <optional>

#include "engine/calculation.h"
#include "engine/mix_input.h"
#include "engine/mix_state.h"
#include "engine/number_locale.h"
#include "platform/form_window.h"
#include "secondary_windows.h"

namespace krv1::forms {

class Form1 : public platform::FormWindow {
    Q_OBJECT
public:
    explicit Form1(SecondaryWindows& windows);

    const MixState& mixState() const { return state_; }
    // The inputs of the last calculation that succeeded; empty before one.
    const std::optional<MixInput>& calculatedInput() const { return calculatedInput_; }

protected:
    void Form_Load() override;
    QWidget* firstFocus() const override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectHandlers();
    MixInput ReadInput() const;
    void ShowResults(const MixDesign& design);
    QWidget* ControlOf(FaultyInput input) const;
    void ShowHint(const QString& hint);

    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Option1_Click();
    void Option2_Click();

    SecondaryWindows& windows_;
    NumberLocale locale_;
    MixState state_;
    std::optional<MixInput> calculatedInput_;
};

}  // namespace krv1::forms
