// A sheet of rows, as the site sheet and the trial batch are written: a
// title, headings, lines of their own and a table of figures, each row its
// caption, its figure and its unit. One row makes one line of the plain
// text, and the rows together one printed A4 page.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/number_locale.h"
#include "report_lines.h"

namespace krv1::presentation {

struct SheetRow {
    enum class Kind { Title, Line, Heading, Figure } Is;
    std::string Caption;
    std::string Figure;  // right-aligned on the page; empty for none
    std::string Unit;    // empty where the figure is none or waits
};

// A figure row with `decimals`, or "–" without a unit for a figure that was
// not worked out.
inline constexpr std::string_view kNoFigure = "–";
SheetRow FigureRow(std::string_view caption, const std::optional<double>& value, int decimals,
                   std::string_view unit, const NumberLocale& separators);

// "caption  figure unit", or the caption alone.
std::string SheetRowText(const SheetRow& row);
// The rows a line each, every line ended.
std::string SheetText(const std::vector<SheetRow>& rows);
// The same for the clipboard: a tab between caption, figure and unit, so
// that a spreadsheet puts each in a cell of its own.
std::string SheetCopyText(const std::vector<SheetRow>& rows);

// The page's face as the printer sets it: the width in twips of a text,
// bold or not, at a size, and the height of its line (marks above and below
// included) at a size.
struct PageFace {
    std::function<int(std::string_view text, bool bold, double points)> Width;
    std::function<int(double points)> LineHeight;
};

// The printable height of A4 that a page of rows uses, in twips from the top.
inline constexpr int kSheetTop = 700;
inline constexpr int kSheetBottom = 15800;

// The fit by height that the printed page and the web page's table share:
// the largest face, from `largest` down in quarter points and never below 8,
// with which the rows stand in `height` when a row's pitch is `pitch` times
// the face's size (a heading's and the first line's half as much again).
// `height` and `pitch` are in any one unit.
double SheetPointsByHeight(const std::vector<SheetRow>& rows, double pitch, double height,
                           double largest);

// The rows on one A4 page down to `bottom`, the figures in ruled columns, in
// the largest face with which every row fits.
PrintedPage SheetPage(const std::vector<SheetRow>& rows, const PageFace& face,
                      int bottom = kSheetBottom);

}  // namespace krv1::presentation
