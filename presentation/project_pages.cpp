#include "project_pages.h"

#include <algorithm>

#include "project_report.h"
#include "text/project_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::project;

// As the sheet's page: the printable area of A4 less a margin any printer
// prints in, and a cell's inner margin.
constexpr int kLeft = 900;
constexpr int kRight = 11000;
constexpr int kPad = 100;
// Rows of orders a page: enough to read at arm's length.
constexpr std::size_t kOrderRowsPerPage = 40;
// The comparison's face: the largest of these with which its columns fit.
constexpr double kLargestPoints = 13;
constexpr double kSmallestPoints = 8;
constexpr double kPointStep = 0.5;
// The report's pitch of 300 twips at 16 points, with the room the Thai
// marks above and below take.
constexpr double kTwipsPerPoint = 300.0 / 16;
constexpr int kMarkRoom = 40;

std::vector<PrintedPage> OrderPages(const Project& project, const ProjectEvaluation& evaluation,
                                    const CalendarDate& day, const PageFace& face) {
    const std::vector<SheetRow> orders = OrderRows(evaluation, project.Locale);
    std::vector<PrintedPage> pages;
    for (std::size_t first = 0; first == 0 || first < orders.size(); first += kOrderRowsPerPage) {
        const std::vector<std::string> heading = ProjectHeading(project, day);
        std::vector<SheetRow> rows{{SheetRow::Kind::Title, heading[0], {}, {}}};
        for (std::size_t i = 1; i < heading.size(); ++i)
            rows.push_back({SheetRow::Kind::Line, heading[i], {}, {}});
        const auto last = std::min(orders.size(), first + kOrderRowsPerPage);
        rows.insert(rows.end(), orders.begin() + first, orders.begin() + last);
        pages.push_back(SheetPage(rows, face));
    }
    return pages;
}

// One page of the comparison: the elements' names a line each, then a table
// of caption, unit and a column an element.
PrintedPage ComparisonPage(const Project& project, const ProjectEvaluation& evaluation,
                           const std::vector<ComparisonRow>& rows, std::size_t first,
                           const PageFace& face) {
    const std::size_t count = std::min(kElementsPerPage, evaluation.Elements.size() - first);
    std::vector<std::string> legend{std::string(t::kCompareTitle)};
    for (std::size_t i = first; i < first + count; ++i) {
        const ElementFigures& e = evaluation.Elements[i];
        legend.push_back(std::to_string(i + 1) + ". " + e.Name + " (" +
                         std::string(SupplyName(e.Supplied)) + ")");
        if (!e.Refusal.empty()) legend.push_back("    " + e.Refusal);
    }
    // The refusals stand under the names; the table holds figures.
    const std::size_t tableRows = rows.size() - 1;
    const auto cell = [&](std::size_t row, std::size_t element) {
        return CellText(rows[row].Cells[element], rows[row].Decimals, project.Locale);
    };
    double points = kLargestPoints;
    int captionWidth = 0, unitWidth = 0, valueWidth = 0;
    for (;; points -= kPointStep) {
        captionWidth = unitWidth = 0;
        int widestValue = 0, widestLegend = 0;
        for (std::size_t r = 0; r < tableRows; ++r) {
            captionWidth = std::max(captionWidth, face.Width(rows[r].Caption, false, points));
            unitWidth = std::max(unitWidth, face.Width(rows[r].Unit, false, points));
            for (std::size_t e = first; e < first + count; ++e)
                widestValue = std::max(widestValue, face.Width(cell(r, e), false, points));
        }
        for (const std::string& line : legend)
            widestLegend = std::max(widestLegend, face.Width(line, false, points));
        captionWidth += 2 * kPad;
        unitWidth += 2 * kPad;
        valueWidth = (kRight - kLeft - captionWidth - unitWidth) / int(kElementsPerPage);
        const bool fits = valueWidth >= widestValue + 2 * kPad && widestLegend <= kRight - kLeft;
        if (fits || points <= kSmallestPoints) break;
    }
    const int pitch = std::max(int(points * kTwipsPerPoint), face.LineHeight(points) + kMarkRoom);
    const int drop = (pitch - face.LineHeight(points)) / 2;
    PrintedPage page;
    page.PointSize = points;
    int y = kSheetTop;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        page.Lines.push_back({kLeft, y + drop, i == 0, legend[i]});
        y += i == 0 ? pitch * 3 / 2 : pitch;
    }
    y += pitch / 2;
    const int tableTop = y;
    const int unitLeft = kLeft + captionWidth;
    const int valuesLeft = unitLeft + unitWidth;
    // The header: each element's number over its column.
    page.Rules.push_back({kLeft, y, kRight, y});
    for (std::size_t e = 0; e < count; ++e)
        page.Lines.push_back({valuesLeft + int(e + 1) * valueWidth - kPad, y + drop, true,
                              std::to_string(first + e + 1), true});
    y += pitch;
    page.Rules.push_back({kLeft, y, kRight, y});
    for (std::size_t r = 0; r < tableRows; ++r) {
        page.Lines.push_back({kLeft + kPad, y + drop, false, rows[r].Caption});
        if (!rows[r].Unit.empty())
            page.Lines.push_back({unitLeft + kPad, y + drop, false, rows[r].Unit});
        for (std::size_t e = 0; e < count; ++e) {
            const std::string text = cell(r, first + e);
            if (!text.empty())
                page.Lines.push_back(
                    {valuesLeft + int(e + 1) * valueWidth - kPad, y + drop, false, text, true});
        }
        y += pitch;
        page.Rules.push_back({kLeft, y, kRight, y});
    }
    std::vector<int> columns{kLeft, unitLeft, valuesLeft};
    for (std::size_t e = 1; e <= kElementsPerPage; ++e)
        columns.push_back(e == kElementsPerPage ? kRight : valuesLeft + int(e) * valueWidth);
    for (int x : columns) page.Rules.push_back({x, tableTop, x, y});
    return page;
}

}  // namespace

std::vector<PrintedPage> ProjectPages(const Project& project, const ProjectEvaluation& evaluation,
                                      const CalendarDate& day, const PageFace& face) {
    std::vector<PrintedPage> pages = OrderPages(project, evaluation, day, face);
    const std::vector<ComparisonRow> rows = ComparisonRows(evaluation);
    for (std::size_t first = 0; first < evaluation.Elements.size(); first += kElementsPerPage)
        pages.push_back(ComparisonPage(project, evaluation, rows, first, face));
    return pages;
}

}  // namespace krv1::presentation
