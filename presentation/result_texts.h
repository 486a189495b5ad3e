// The ten texts of the result panels: each quantity's number text directly
// followed by its unit, whose leading blanks are part of it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "engine/number_locale.h"

namespace krv1::presentation {

// The rows of a result panel, top to bottom.
enum class BatchRow : std::size_t { Cement, Water, Sand, Stone, Admixture };
inline constexpr std::size_t kBatchRows = 5;

using PanelTexts = std::array<std::string, kBatchRows>;
// How the command line's and the web module's answers key the rows.
inline constexpr std::array<std::string_view, kBatchRows> kBatchRowKeys{"cement", "water", "sand",
                                                                        "stone", "admixture"};

struct ResultTexts {
    PanelTexts BeforeCorrection;  // as proportioned and rounded
    PanelTexts AfterCorrection;   // corrected for the sand's moisture
};

ResultTexts ResultPanelTexts(const MixDesign& design, const NumberLocale& locale);

// Both panels as plain text to paste into a chat or a sheet: each panel's
// caption on a line of its own, then one line per quantity, "caption TAB
// figure TAB unit" ("ซีเมนต์\t310\tกิโลกรัม"), lines joined by "\n".
std::string ResultPanelsPlainText(const MixDesign& design, const NumberLocale& locale);

inline const std::string& Row(const PanelTexts& panel, BatchRow row) {
    return panel[static_cast<std::size_t>(row)];
}

}  // namespace krv1::presentation
