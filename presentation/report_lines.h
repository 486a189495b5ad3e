// The printed report: 44 lines at fixed places on one A4 page, each the
// account's caption and value joined end to end, or a banner of its own;
// 45 with the records' margin, whose tests are accounted for last.
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
    bool AlignRight = false;  // X is where the text ends: a column of figures

    bool operator==(const ReportLine&) const = default;
};

inline constexpr std::size_t kReportLines = 44;

// A ruled line on a printed page, in twips as the texts are.
struct PageRule {
    int X1, Y1, X2, Y2;
    bool operator==(const PageRule&) const = default;
};

// One printed page: its texts in one face at one size, and its rules.
struct PrintedPage {
    double PointSize = 16;
    std::vector<ReportLine> Lines;
    std::vector<PageRule> Rules;
};

// The report's size: 16 points on its pitch of 300 twips.
inline constexpr double kReportPointSize = 16;

// The report of the account `values`, signed with the engineer's name as typed.
std::vector<ReportLine> ReportLines(const DetailsTexts& values, std::string_view engineerName);
// The same lines as a printed page, at the report's size.
PrintedPage ReportPage(const DetailsTexts& values, std::string_view engineerName);

}  // namespace krv1::presentation
