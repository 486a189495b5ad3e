#include "page_heading.h"

#include <algorithm>

#include "text/details_texts.h"
#include "text/report_texts.h"

namespace krv1::presentation {

namespace d = text::details;
namespace r = text::report;

std::vector<std::string> PageHeadingLines(const ReportNames& names, const MixInput& input) {
    std::vector<std::string> lines;
    if (!names.Engineer.empty())
        lines.push_back(std::string(r::kPageEngineer).append(names.Engineer));
    if (!names.Project.empty()) lines.push_back(std::string(r::kProject).append(names.Project));
    const std::string_view specimen =
        input.Shape == SpecimenShape::Cube ? r::kCubeSpecimen : r::kCylinderSpecimen;
    lines.push_back(std::string(d::kRequiredStrength)
                        .append(input.RequiredStrength)
                        .append(d::kKsc)
                        .append("  ")
                        .append(r::kSpecimen)
                        .append(specimen));
    lines.push_back(ThaiDateLine(names.Day));
    return lines;
}

std::vector<SheetRow> WithPageHeading(std::vector<SheetRow> rows,
                                      const std::vector<std::string>& heading) {
    const auto title = std::find_if(rows.begin(), rows.end(), [](const SheetRow& row) {
        return row.Is == SheetRow::Kind::Title;
    });
    auto at = title == rows.end() ? rows.begin() : title + 1;
    for (const std::string& line : heading)
        at = rows.insert(at, SheetRow{SheetRow::Kind::Line, line, {}, {}}) + 1;
    return rows;
}

}  // namespace krv1::presentation
