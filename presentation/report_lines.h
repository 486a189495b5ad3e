// The printed report: 44 lines at fixed places on one A4 page, each the
// account's caption and value joined end to end, or a banner of its own;
// 45 with the records' margin, whose tests are accounted for last, and a
// cylinder design's cube basis after them, and the site's materials and the
// stone's water after those, when they are not the method's. Around them, in the page's free
// room, what a checker needs besides the account: the project, the day, the
// specimen, the dosage and two lines to sign.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar_date.h"
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

// Whom and what a report is of besides its account, each as typed.
struct ReportNames {
    std::string Engineer;
    std::string Project;  // empty: no line
    CalendarDate Day;
};

// The report of the account `values`: the account's lines first, in their
// order, then the page's own.
std::vector<ReportLine> ReportLines(const DetailsTexts& values, const ReportNames& names);
// How many of those lines are the account's: 44, one more with the records'
// margin, one more for a cylinder design's cube basis, and the materials'.
std::size_t ReportAccountLines(const DetailsTexts& values);
// The same lines as a printed page, at the report's size.
PrintedPage ReportPage(const DetailsTexts& values, const ReportNames& names);

}  // namespace krv1::presentation
