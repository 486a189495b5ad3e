// The 39 value texts of the details window, in the order they are written.
#pragma once

#include <string>
#include <vector>

#include "calculation_record.h"
#include "engine/number_locale.h"

namespace krv1::forms {

struct ValueText {
    const char* Label;  // the value label of the details window
    std::string Text;
};

std::vector<ValueText> DetailsValueTexts(const CalculationRecord& record,
                                         const NumberLocale& locale);

}  // namespace krv1::forms
