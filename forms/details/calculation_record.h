// What the details window shows: one successful calculation, as the main
// window keeps it, so that the account always belongs to the results beside it.
#pragma once

#include <array>
#include <string>

#include "engine/mix_input.h"
#include "engine/mix_state.h"

namespace krv1::forms {

struct CalculationRecord {
    MixInput Input;  // the inputs the calculation was made with
    MixState State;
    // The main window's result texts, Label10..Label19.
    std::array<std::string, 10> ResultTexts;
};

}  // namespace krv1::forms
