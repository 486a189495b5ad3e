// The trial batch as every surface shows it: its rows (the plan, what was
// measured, the results and the adjusted mix beside the design's), as plain
// text, as JSON of the unrounded figures, and as one A4 page with its chart.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart_page.h"
#include "result_texts.h"
#include "sheet_rows.h"
#include "trial_batch.h"

namespace krv1::presentation {

// One figure of the trial: how its JSON keys it, how its row reads, and
// where it comes from. The trial's text, JSON, window and page all walk
// the two tables below.
struct TrialFigureRow {
    std::string_view Key;  // in the JSON's "plan" or "results" object
    std::string_view Caption;
    std::string_view Unit;
    int Decimals;
    bool Whole;          // a whole number in the JSON
    bool AdmixtureOnly;  // a row of its own only in a design with admixture
    std::optional<double> (*Value)(const TrialOutcome&);
};
inline constexpr std::size_t kTrialPlanFigures = 6;
inline constexpr std::size_t kTrialResultFigures = 9;
// What to weigh, and what the trial gave.
const std::array<TrialFigureRow, kTrialPlanFigures>& TrialPlanRows();
const std::array<TrialFigureRow, kTrialResultFigures>& TrialResultRows();

std::vector<SheetRow> TrialRows(const MixInput& input, const MixDesign& design,
                                const TrialInputs& boxes, const TrialOutcome& trial,
                                const NumberLocale& separators);

// What each empty box stands for, shown inside it: the specimens and the
// extra the plan takes, the plan's volume and water, the age of 28 days and
// the 7-day ratio of 0.70; nothing for what only a test measures.
TrialInputs TrialPlaceholders(const MixInput& input, const TrialOutcome& trial,
                              const NumberLocale& separators);

// The adjusted mix as the main window's two panels show a design, each
// figure followed by the design's own: "295      กิโลกรัม (เดิม 310)". Empty
// when the adjusted mix is refused.
ResultTexts TrialPanelTexts(const MixDesign& design, const TrialOutcome& trial,
                            const NumberLocale& separators);

// {"plan", "results", "adjusted" (null when refused), "chart" (null when
// nothing is placed on it), "notes"}.
std::string TrialJson(const TrialOutcome& trial);

struct ChartAxes {
    ChartAxis Ratio;     // W/C, a tick every 0.1
    ChartAxis Strength;  // ksc, a tick every 50
};
ChartAxes AxesOf(const TrialChart& chart, const NumberLocale& separators);

// The rows under `heading` above, the chart below: the method's curve, the
// design, the trial and the adjusted design; the rows alone without a chart.
PrintedPage TrialPage(const std::vector<SheetRow>& rows, const std::optional<TrialChart>& chart,
                      const NumberLocale& separators, const PageFace& face,
                      const std::vector<std::string>& heading);

}  // namespace krv1::presentation
