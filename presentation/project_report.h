// What a project gives, as the command line, the window, the pages and the
// workbook show it: the comparison of its elements side by side, the orders,
// and the JSON of every figure.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "project_evaluation.h"
#include "sheet_rows.h"

namespace krv1::presentation {

// A cell of the comparison: a figure, a text, or nothing (a refused element).
using ComparisonCell = std::variant<std::monostate, double, std::string>;

// One figure for every element, in the elements' order.
struct ComparisonRow {
    std::string Caption;
    std::string Unit;
    int Decimals;
    std::vector<ComparisonCell> Cells;
};

// The elements side by side: a row a figure, a column an element.
std::vector<ComparisonRow> ComparisonRows(const ProjectEvaluation& evaluation);

// A row of the orders: a heading, a line of its own, or a figure (none when
// not given) with its decimals and unit.
struct OrderRow {
    SheetRow::Kind Is;
    std::string Caption;
    std::optional<double> Value;
    int Decimals = 0;
    std::string Unit;
};

// The orders: the site's materials, the ready-mixed concrete and the carbon,
// with the notes.
std::vector<OrderRow> OrderFigureRows(const ProjectEvaluation& evaluation);
// The same as rows of caption, figure text and unit.
std::vector<SheetRow> OrderRows(const ProjectEvaluation& evaluation,
                                const NumberLocale& separators);

// The project's heading lines: its name, engineer and day.
std::vector<std::string> ProjectHeading(const Project& project, const CalendarDate& day);

// The command line's text: the heading, the comparison (an element a line
// for each figure) and the orders.
std::string ProjectText(const Project& project, const ProjectEvaluation& evaluation,
                        const CalendarDate& day);

// The window's list of elements: a row an element, its name, supply,
// required strength and specimen, volume with waste, cement a cubic metre,
// bags, cost and refusal.
inline constexpr std::size_t kElementListColumns = 8;
using ElementListRow = std::array<std::string, kElementListColumns>;
const ElementListRow& ElementListHeader();
std::vector<ElementListRow> ElementListRows(const ProjectEvaluation& evaluation,
                                            const NumberLocale& separators);

// The comparison as a window's table shows it: each row's head (its caption
// and unit), each column's (the element's number and name), and the cells.
struct ComparisonTexts {
    std::vector<std::string> RowHeads;
    std::vector<std::string> ColumnHeads;
    std::vector<std::vector<std::string>> Cells;
};
ComparisonTexts ComparisonTableTexts(const ProjectEvaluation& evaluation,
                                     const NumberLocale& separators);

// Every figure unrounded, null where not given or refused, as --project --json.
std::string ProjectJson(const ProjectEvaluation& evaluation);

// A cell's text with the row's decimals; empty for nothing.
std::string CellText(const ComparisonCell& cell, int decimals, const NumberLocale& separators);

}  // namespace krv1::presentation
