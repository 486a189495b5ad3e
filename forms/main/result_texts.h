// The ten texts of the result panels: each quantity's number text directly
// followed by its unit, whose leading blanks are part of it.
#pragma once

#include <array>
#include <string>

#include "engine/calculation.h"
#include "engine/number_locale.h"

namespace krv1::forms {

struct ResultTexts {
    // Label10..Label14: cement, water, sand, stone, admixture before the
    // sand-moisture correction; Label15..Label19 after it.
    std::array<std::string, 5> Unadjusted;
    std::array<std::string, 5> Adjusted;
};

ResultTexts ResultLabelTexts(const MixDesign& design, const NumberLocale& locale);

}  // namespace krv1::forms
