// The strength records as every surface shows them: their rows (the
// figures on the records' own specimen, the verdict, the notes and each
// test), as plain text, as JSON of the unrounded cylinder figures, their
// chart, and one A4 page with the chart below the rows.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart_page.h"
#include "sheet_rows.h"
#include "strength_records.h"

namespace krv1::presentation {

// One figure of the records: how their JSON keys it, how its row reads and
// where it comes from. The text, the JSON, the window and the page walk
// this table; a row without a key is shown only, one without a caption
// only written to the JSON.
struct RecordsFigureRow {
    std::string_view Key;
    std::string_view Caption;
    std::string_view Unit;
    int Decimals;
    // Shown on the records' own specimen; the JSON keeps the cylinder basis.
    bool OnSpecimen;
    bool Whole;  // a whole number in the JSON
    std::optional<double> (*Value)(const RecordsFigures&);
};
inline constexpr std::size_t kRecordsFigures = 10;
const std::array<RecordsFigureRow, kRecordsFigures>& RecordsFigureRows();

// Which tests get a line of their own: all, or on a crowded page only the low.
enum class TestLines { Every, LowOnly };

std::vector<SheetRow> RecordsRows(const StrengthRecords& records, const RecordsFigures& figures,
                                  const NumberLocale& separators,
                                  TestLines lines = TestLines::Every);

// {"n", "mean", "s", "k", "margin", "margin_cube", "target", "control",
//  "verdict", "tests": [{"row", "result", "average3", "low_single",
//  "low_average"}], "accepted", "notes"}, on the cylinder basis.
std::string RecordsJson(const RecordsFigures& figures);

// The chart on the records' own specimen: each result and each average of
// three by the test's count, and the levels of f'c, of the single-test
// limit and of the strength to be produced, when the design gives them.
struct RecordsChart {
    using Points = std::vector<std::pair<double, double>>;
    Points Results;
    Points Averages;
    std::optional<double> Required;
    std::optional<double> Limit;
    std::optional<double> Target;
    ChartAxis Tests;
    ChartAxis Strength;
};
RecordsChart RecordsChartOf(const RecordsFigures& figures, const NumberLocale& separators);

// The rows under `heading`, above the chart.
PrintedPage RecordsPage(const StrengthRecords& records, const RecordsFigures& figures,
                        const NumberLocale& separators, const PageFace& face,
                        const std::vector<std::string>& heading);

}  // namespace krv1::presentation
