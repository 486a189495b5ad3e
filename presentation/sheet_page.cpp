// A sheet's printed page: read on site at arm's length, so the face is as
// large as lets the whole sheet fit its part of A4, and the figures stand in
// ruled columns: caption, figure right-aligned, unit.
#include <algorithm>

#include "figure_text.h"
#include "sheet_rows.h"

namespace krv1::presentation {
namespace {

// The printable area of A4 less a margin a printer can always print in.
constexpr int kLeft = 900;
constexpr int kRight = 11000;
// A cell's inner margin, left and right.
constexpr int kPad = 120;
// The report sets 16 points on a 300-twip pitch; Thai marks above and below
// a line need that much room, so the sheet keeps the ratio.
constexpr double kTwipsPerPoint = 300.0 / 16;
constexpr double kLargestPoints = 24;
constexpr double kSmallestPoints = 8;
constexpr double kPointStep = 0.25;

using Kind = SheetRow::Kind;

// Pitches down the page: a heading and the first line after the title stand
// half a pitch apart from what is above.
double HeightInPitches(const std::vector<SheetRow>& rows) {
    double pitches = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        pitches += (rows[i].Is == Kind::Heading || i == 1) ? 1.5 : 1.0;
    return pitches;
}

struct Columns {
    int caption = 0;  // widths, padding included
    int figure = 0;
    int unit = 0;
    int line = 0;  // the widest line of its own
};

Columns WidestAt(const std::vector<SheetRow>& rows, const PageFace& face, double points) {
    Columns widest;
    for (const SheetRow& row : rows) {
        const bool bold = row.Is != Kind::Figure && row.Is != Kind::Line;
        if (row.Is != Kind::Figure) {
            widest.line = std::max(widest.line, face.Width(row.Caption, bold, points));
            continue;
        }
        widest.caption =
            std::max(widest.caption, face.Width(row.Caption, false, points) + 2 * kPad);
        widest.figure = std::max(widest.figure, face.Width(row.Figure, false, points) + 2 * kPad);
        widest.unit = std::max(widest.unit, face.Width(row.Unit, false, points) + 2 * kPad);
    }
    return widest;
}

bool FitsAcross(const std::vector<SheetRow>& rows, const PageFace& face, double points) {
    const Columns widest = WidestAt(rows, face, points);
    return widest.line <= kRight - kLeft &&
           widest.caption + widest.figure + widest.unit <= kRight - kLeft;
}

// A row's pitch at a size: the report's, or more where the face's line (its
// whole ascent, which holds the marks above the Thai letters, and its
// descent) would otherwise reach the rules above and below.
constexpr int kMarkRoom = 40;
int PitchAt(const PageFace& face, double points) {
    return std::max(static_cast<int>(points * kTwipsPerPoint), face.LineHeight(points) + kMarkRoom);
}

bool FitsDown(const std::vector<SheetRow>& rows, const PageFace& face, double points, int height) {
    return HeightInPitches(rows) * PitchAt(face, points) <= height;
}

}  // namespace

double SheetPointsByHeight(const std::vector<SheetRow>& rows, double pitch, double height,
                           double largest) {
    double points = largest;
    while (points > kSmallestPoints && HeightInPitches(rows) * points * pitch > height)
        points -= kPointStep;
    return points;
}

SheetRow FigureRow(std::string_view caption, const std::optional<double>& value, int decimals,
                   std::string_view unit, const NumberLocale& separators) {
    if (!value) return {Kind::Figure, std::string(caption), std::string(kNoFigure), {}};
    return {Kind::Figure, std::string(caption), FigureText(*value, Decimals(decimals), separators),
            std::string(unit)};
}

std::string SheetRowText(const SheetRow& row) {
    std::string line(row.Caption);
    if (row.Figure.empty()) return line;
    line.append("  ").append(row.Figure);
    if (!row.Unit.empty()) line.append(" ").append(row.Unit);
    return line;
}

std::string SheetText(const std::vector<SheetRow>& rows) {
    std::string text;
    for (const SheetRow& row : rows) text.append(SheetRowText(row)).append("\n");
    return text;
}

std::string SheetCopyText(const std::vector<SheetRow>& rows) {
    std::string text;
    for (const SheetRow& row : rows) {
        text.append(row.Caption);
        if (!row.Figure.empty()) text.append("\t").append(row.Figure);
        if (!row.Unit.empty()) text.append("\t").append(row.Unit);
        text.append("\n");
    }
    return text;
}

PrintedPage SheetPage(const std::vector<SheetRow>& rows, const PageFace& face, int bottom) {
    double points = SheetPointsByHeight(rows, kTwipsPerPoint, bottom - kSheetTop, kLargestPoints);
    while (points > kSmallestPoints &&
           (!FitsAcross(rows, face, points) || !FitsDown(rows, face, points, bottom - kSheetTop)))
        points -= kPointStep;

    PrintedPage page;
    page.PointSize = points;
    const int pitch = PitchAt(face, points);
    const Columns widest = WidestAt(rows, face, points);
    // The spare width goes to the figures' column, so that each figure
    // stands by its unit.
    const int unitLeft = kRight - widest.unit;
    const int figureLeft = kLeft + widest.caption;
    // The line's box centred in its row, so that marks above and below the
    // Thai letters stay clear of the rules: at least half kMarkRoom each side.
    const int textDrop = (pitch - face.LineHeight(points)) / 2;
    int y = kSheetTop;
    int tableTop = -1;  // the top of the part's table being ruled
    const auto closeTable = [&] {
        if (tableTop < 0) return;
        for (const int x : {kLeft, figureLeft, unitLeft, kRight})
            page.Rules.push_back({x, tableTop, x, y});
        tableTop = -1;
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SheetRow& row = rows[i];
        if (row.Is == Kind::Heading || i == 1) {
            closeTable();
            y += pitch / 2;
        }
        const int textTop = y + textDrop;
        if (row.Is == Kind::Figure) {
            if (tableTop < 0) {
                tableTop = y;
                page.Rules.push_back({kLeft, y, kRight, y});
            }
            page.Lines.push_back({kLeft + kPad, textTop, false, row.Caption});
            if (!row.Figure.empty())
                page.Lines.push_back({unitLeft - kPad, textTop, false, row.Figure, true});
            if (!row.Unit.empty())
                page.Lines.push_back({unitLeft + kPad, textTop, false, row.Unit});
            page.Rules.push_back({kLeft, y + pitch, kRight, y + pitch});
        } else {
            closeTable();
            page.Lines.push_back({kLeft, textTop, row.Is != Kind::Line, row.Caption});
        }
        y += pitch;
    }
    closeTable();
    return page;
}

}  // namespace krv1::presentation
