// A design's first calculation from a fresh start, with every text it gives:
// what the command line, the web page and a report of a saved design show.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design_file.h"
#include "details_values.h"
#include "report_lines.h"
#include "result_texts.h"
#include "site_sheet.h"
#include "strength_records.h"

namespace krv1::presentation {

struct DesignReport {
    std::optional<CalculationError> Refusal;  // set when the calculation is refused
    // Set, with Refusal, when the records whose margin the design uses are.
    std::optional<RecordsRefusal> RecordsProblem;
    MixInput Input;  // the design's, with the records' margin when it uses it
    ResultTexts Panels;
    DetailsTexts Account;
    std::vector<ReportLine> Lines;
    std::string PanelsPlainText;
    MixDesign Design;  // the calculation itself
    SiteBasis Basis;   // the corrected metre the site batch sheet works from
};

DesignReport ReportOfDesign(const Design& design);

// A PDF name for the report: the engineer's name (if any) and the ISO date,
// without the characters file systems refuse.
std::string ReportFileName(std::string_view engineer, std::string_view isoDate);

// A design file's name as the PDF's: the engineer's name (if any) and the
// ISO date, so that a day's designs of one engineer are told apart.
std::string DesignFileName(std::string_view engineer, std::string_view isoDate);

}  // namespace krv1::presentation
