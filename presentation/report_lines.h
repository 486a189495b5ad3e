// The printed report: 44 lines at fixed places on one A4 page, each the
// account's caption and value joined end to end, or a banner of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "details_values.h"

namespace krv1::presentation {

struct ReportLine {
    int X;  // twips from the printable area's left edge
    int Y;  // twips from its top edge, to the line's top
    bool Bold;
    std::string Text;

    bool operator==(const ReportLine&) const = default;
};

inline constexpr std::size_t kReportLines = 44;

// The report of the account `values`, signed with the engineer's name as typed.
std::vector<ReportLine> ReportLines(const DetailsTexts& values, std::string_view engineerName);

}  // namespace krv1::presentation
