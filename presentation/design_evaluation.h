// A design worked out once, whole: every surface (the windows, the command
// line, the web page) shows what this gives and works out nothing itself.
//
//   records  ->  margin  ->  mix  ->  panels, account, report
//   materials  ------------>
//                                 ->  site sheet
//                                 ->  trial
//
// The records are weighed against the design's required strength even when
// its mix is refused; the sheet and the trial exist only with a mix.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "design_file.h"
#include "details_values.h"
#include "records_report.h"
#include "report_lines.h"
#include "result_texts.h"
#include "site_sheet.h"
#include "trial_report.h"

namespace krv1::presentation {

// The trial batch of a calculated design, with its rows as shown.
struct TrialShown {
    TrialOutcome Outcome;
    std::vector<SheetRow> Rows;
    ResultTexts Panels;  // the adjusted mix beside the design's; empty when refused
    std::vector<std::string> PageHeading;  // above the rows on the printed page
    TrialInputs Placeholders;              // what each empty box stands for
};
using TrialEvaluation = std::variant<TrialShown, TrialRefusal>;

// The design keeps no strength records.
struct NoRecords {
    bool operator==(const NoRecords&) const = default;
};
// The records' figures, with the records they are of and their rows.
struct RecordsShown {
    StrengthRecords Records;
    RecordsFigures Figures;
    std::vector<SheetRow> Rows;
    std::vector<std::string> PageHeading;  // above the rows on the printed page
};
using RecordsEvaluation = std::variant<NoRecords, RecordsShown, RecordsRefusal>;

// A mix that calculated, and everything shown of it.
struct CalculatedMix {
    MixInput Input;  // the design's, with the records' margin when it uses it
    MixDesign Design;
    NumberLocale Locale;  // the design's separators, which every text is written with
    ResultTexts Panels;
    std::string PanelsPlainText;
    DetailsTexts Account;
    std::string MarginNotice;     // while the records' margin is taken; else empty
    std::string MaterialsNotice;  // while a material is not the method's; else empty
    // What the engineer must know of the materials: with a cement other than
    // Portland, that the method's curve is Portland's.
    std::vector<std::string> MaterialNotes;
    std::vector<ReportLine> Lines;  // signed with the design's engineer, for its project
    SiteSheetSource SheetSource;
    SiteSheet Sheet;  // from the design's own settings
    TrialInputs TrialBoxes;
    TrialEvaluation Trial;
};

// Why a design gives no mix: the calculation refused one of its inputs, the
// records whose margin it takes are refused, or one of its materials is.
using MixEvaluation =
    std::variant<CalculatedMix, CalculationError, RecordsRefusal, MaterialsRefusal>;

struct DesignEvaluation {
    MixEvaluation Mix;
    RecordsEvaluation Records;

    const CalculatedMix* calculated() const { return std::get_if<CalculatedMix>(&Mix); }
};

// Who and what the design's pages are of: its engineer, its project, `day`.
ReportNames NamesOf(const Design& design, const CalendarDate& day);

// `day` dates the report, the site sheet and the trial's and records' pages.
DesignEvaluation EvaluateDesign(const Design& design, const CalendarDate& day);

// The refusal's Thai message, and the input at fault when one is.
std::string RefusalMessage(const MixEvaluation& mix);

}  // namespace krv1::presentation
