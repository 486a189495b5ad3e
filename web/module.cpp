// The calculator for the browser and Node: the engine and the presentation
// library behind one function, calculate(design), taking and giving plain
// JavaScript objects, and the program's own texts for the page.
#include <emscripten/bind.h>

#include <algorithm>
#include <string>
#include <vector>

#include "page_texts.h"
#include "presentation/design_evaluation.h"
#include "presentation/design_file.h"
#include "presentation/file_names.h"

namespace {

using emscripten::val;
using namespace krv1;

// The page's printed sheet: 277 mm of A4 for the table, at most 16 pt, a
// row of Loma 1.35 lines high with its padding and rules about 1.5.
constexpr double kPrintedSheetPoints = 277 / 25.4 * 72;
constexpr double kPrintedRowPitch = 1.5;
constexpr double kLargestPrintedPoints = 16;

val PanelObject(const presentation::PanelTexts& panel) {
    val object = val::object();
    for (std::size_t row = 0; row < presentation::kBatchRows; ++row)
        object.set(std::string(presentation::kBatchRowKeys[row]), panel[row]);
    return object;
}

val Refusal(std::string_view field, const std::string& message) {
    val result = val::object();
    result.set("ok", false);
    result.set("field", std::string(field));
    result.set("message", message);
    return result;
}

// The site sheet's rows for the page's printed table.
val SheetRowsOf(const std::vector<presentation::SheetRow>& rows) {
    static constexpr const char* kKinds[] = {"title", "line", "heading", "figure"};
    val array = val::array();
    for (const presentation::SheetRow& row : rows) {
        val object = val::object();
        object.set("kind", std::string(kKinds[static_cast<int>(row.Is)]));
        object.set("caption", row.Caption);
        object.set("figure", row.Figure);
        object.set("unit", row.Unit);
        array.call<void>("push", object);
    }
    return array;
}

val AxisObject(const presentation::ChartAxis& axis) {
    val object = val::object();
    object.set("from", axis.From);
    object.set("to", axis.To);
    val ticks = val::array();
    for (const auto& [at, label] : axis.Ticks) {
        val tick = val::array();
        tick.call<void>("push", at);
        tick.call<void>("push", label);
        ticks.call<void>("push", tick);
    }
    object.set("ticks", ticks);
    return object;
}

// The trial of the design's own boxes: its JSON as the command line's
// --trial --json gives it, its text and its chart's axes; or the box it
// refuses, named as the design file keys it.
void SetTrial(val& answer, const presentation::CalculatedMix& calculated) {
    if (const auto* refusal = std::get_if<presentation::TrialRefusal>(&calculated.Trial)) {
        val problem = val::object();
        problem.set("field", std::string(presentation::RowOf(refusal->Box).Key));
        problem.set("message", refusal->Message);
        answer.set("trialProblem", problem);
        answer.set("trialJson", val::null());
        return;
    }
    const auto& trial = std::get<presentation::TrialShown>(calculated.Trial);
    answer.set("trialProblem", val::null());
    answer.set("trialJson", presentation::TrialJson(trial.Outcome));
    answer.set("trialText", presentation::SheetText(trial.Rows));
    // What each empty box stands for, by its key.
    val placeholders = val::object();
    for (std::size_t i = 0; i < trial.Placeholders.size(); ++i)
        placeholders.set(std::string(presentation::TrialBoxRows()[i].Key), trial.Placeholders[i]);
    answer.set("trialPlaceholders", placeholders);
    if (trial.Outcome.Chart) {
        const presentation::ChartAxes axes =
            presentation::AxesOf(*trial.Outcome.Chart, calculated.Locale);
        val chartAxes = val::object();
        chartAxes.set("ratio", AxisObject(axes.Ratio));
        chartAxes.set("strength", AxisObject(axes.Strength));
        answer.set("trialAxes", chartAxes);
    } else {
        answer.set("trialAxes", val::null());
    }
    const CalculationError* refused = ErrorOf(trial.Outcome.Adjusted);
    answer.set("trialRefusal", refused ? val(refused->Message) : val::null());
}

val PointsOf(const presentation::RecordsChart::Points& points) {
    val array = val::array();
    for (const auto& [x, y] : points) {
        val point = val::array();
        point.call<void>("push", x);
        point.call<void>("push", y);
        array.call<void>("push", point);
    }
    return array;
}

val Level(const std::optional<double>& at) { return at ? val(*at) : val::null(); }

// How the page colours a verdict: accepted, rejected, or neither.
std::string VerdictKind(presentation::RecordsVerdict verdict) {
    switch (verdict) {
        case presentation::RecordsVerdict::Accepted:
            return "accepted";
        case presentation::RecordsVerdict::Rejected:
            return "rejected";
        default:
            return "";
    }
}

// The design's strength records against its required strength: their JSON
// as the command line's --records --json gives it, their text and their
// chart on the records' own specimen; or the row refused, from 1 (0 is the
// specified strength). Null keys without records.
void SetRecords(val& answer, const presentation::RecordsEvaluation& weighed,
                const NumberLocale& separators) {
    answer.set("recordsProblem", val::null());
    answer.set("recordsJson", val::null());
    if (const auto* refusal = std::get_if<presentation::RecordsRefusal>(&weighed)) {
        val problem = val::object();
        problem.set("row", static_cast<double>(refusal->Row));
        problem.set("message", refusal->Message);
        answer.set("recordsProblem", problem);
        return;
    }
    const auto* records = std::get_if<presentation::RecordsShown>(&weighed);
    if (!records) return;
    const presentation::RecordsFigures& figures = records->Figures;
    answer.set("recordsJson", presentation::RecordsJson(figures));
    answer.set("recordsText", presentation::SheetText(records->Rows));
    answer.set("recordsVerdict", VerdictKind(figures.Verdict));
    const presentation::RecordsChart chart = presentation::RecordsChartOf(figures, separators);
    val drawn = val::object();
    drawn.set("results", PointsOf(chart.Results));
    drawn.set("averages", PointsOf(chart.Averages));
    drawn.set("required", Level(chart.Required));
    drawn.set("limit", Level(chart.Limit));
    drawn.set("target", Level(chart.Target));
    drawn.set("tests", AxisObject(chart.Tests));
    drawn.set("strength", AxisObject(chart.Strength));
    answer.set("recordsChart", drawn);
    val low = val::array();
    for (const presentation::TestFigures& test : figures.Tests)
        if (test.Low()) low.call<void>("push", static_cast<double>(test.Row));
    answer.set("recordsLowRows", low);
}

// The records alone, for the page's records section: they are weighed even
// while the design itself cannot be calculated.
val RecordsOfDesign(const std::string& designText) {
    const presentation::DesignReading reading = presentation::ReadDesign(designText);
    if (const auto* refusal = std::get_if<presentation::DesignRefusal>(&reading))
        return Refusal("design", refusal->Message);
    const auto& design = std::get<presentation::Design>(reading);
    val answer = val::object();
    answer.set("ok", true);
    SetRecords(answer, presentation::EvaluateDesign(design, {}).Records, design.Locale);
    return answer;
}

// A spreadsheet's rows as the desktop's table pastes them.
val PastedRowsOf(const std::string& text) {
    val rows = val::array();
    for (const std::vector<std::string>& cells : presentation::PastedRows(text)) {
        val row = val::array();
        for (const std::string& cell : cells) row.call<void>("push", cell);
        rows.call<void>("push", row);
    }
    return rows;
}

// Every place of the printed report, from a design that prints every line:
// the records' margin, a cylinder's cube basis, a project and a dosage, then
// the two rows the site's materials take beyond those. The lines after the
// account fill its rows from the first, so a design's line stands at the
// place of its row.
const std::vector<presentation::ReportLine>& ReportPlaces() {
    static const std::vector<presentation::ReportLine> places = [] {
        presentation::DetailsTexts every;
        every.MarginLine = every.CubeBasisLine = every.DosageLine = " ";
        std::vector<presentation::ReportLine> all = presentation::ReportLines(every, {"", " ", {}});
        every.MaterialLines = {" ", " "};
        for (const presentation::ReportLine& line : presentation::ReportLines(every, {"", " ", {}}))
            if (std::none_of(all.begin(), all.end(), [&](const presentation::ReportLine& place) {
                    return place.X == line.X && place.Y == line.Y;
                }))
                all.push_back(line);
        return all;
    }();
    return places;
}

// The design is the text of a .krv1 file, as the page's wrapper hands it
// over, with the day the sheet is printed; the answer is a first calculation
// from a fresh start.
val CalculateDesign(const std::string& designText, int year, int month, int day) {
    const presentation::DesignReading reading = presentation::ReadDesign(designText);
    if (const auto* refusal = std::get_if<presentation::DesignRefusal>(&reading))
        return Refusal("design", refusal->Message);
    const presentation::Design& design = std::get<presentation::Design>(reading);
    const presentation::DesignEvaluation evaluation =
        presentation::EvaluateDesign(design, {year, month, day});
    if (const auto* records = std::get_if<presentation::RecordsRefusal>(&evaluation.Mix)) {
        val refusal = Refusal("records", records->Message);
        refusal.set("row", static_cast<double>(records->Row));
        return refusal;
    }
    if (const auto* error = std::get_if<CalculationError>(&evaluation.Mix))
        return Refusal(
            error->Input ? presentation::FieldOf(*error->Input) : std::string_view("design"),
            error->Message);
    // A material refused is named by its key in the design's "materials".
    if (const auto* material = std::get_if<presentation::MaterialsRefusal>(&evaluation.Mix))
        return Refusal(presentation::MaterialBoxRows()[static_cast<std::size_t>(material->Box)].Key,
                       material->Message);
    const presentation::CalculatedMix& calculated = *evaluation.calculated();

    val panel = val::object();
    panel.set("before", PanelObject(calculated.Panels.BeforeCorrection));
    panel.set("after", PanelObject(calculated.Panels.AfterCorrection));
    val details = val::object();
    const auto& account = calculated.Account.inOrder();
    for (std::size_t step = 0; step < account.size(); ++step)
        details.set(std::to_string(step + 1), account[step]);
    val lines = val::array();
    // The account's lines of the report: 44, 45 with the records' margin, one
    // more for a cylinder's cube basis, and the site's materials'.
    const std::size_t accountLines = presentation::ReportAccountLines(calculated.Account);
    for (std::size_t i = 0; i < accountLines; ++i)
        lines.call<void>("push", calculated.Lines[i].Text);
    // The printed page, a text for each of the layout's places, empty where
    // this design prints nothing.
    val page = val::array();
    for (const presentation::ReportLine& place : ReportPlaces()) {
        const auto line = std::find_if(
            calculated.Lines.begin(), calculated.Lines.end(),
            [&](const presentation::ReportLine& l) { return l.X == place.X && l.Y == place.Y; });
        page.call<void>("push", line == calculated.Lines.end() ? std::string() : line->Text);
    }

    val answer = val::object();
    answer.set("ok", true);
    answer.set("panel", panel);
    answer.set("details", details);
    answer.set("report", lines);
    answer.set("reportPage", page);
    answer.set("marginNotice", calculated.MarginNotice);
    answer.set("materialsNotice", calculated.MaterialsNotice);
    val notes = val::array();
    for (const std::string& note : calculated.MaterialNotes) notes.call<void>("push", note);
    answer.set("materialNotes", notes);
    answer.set("copyText", calculated.PanelsPlainText);
    // The site batch sheet from the design's own settings, as the command
    // line's --sheet --json gives it, and as text.
    const presentation::SiteSheet& sheet = calculated.Sheet;
    const presentation::SiteSheetSource& source = calculated.SheetSource;
    answer.set("sheetJson", presentation::SiteSheetJson(sheet));
    answer.set("sheetText", presentation::SiteSheetPlainText(sheet, source, design.Site));
    const std::vector<presentation::SheetRow> rows =
        presentation::SiteSheetRows(sheet, source, design.Site);
    answer.set("sheetCopyText", presentation::SheetCopyText(rows));
    answer.set("sheetRows", SheetRowsOf(rows));
    answer.set("sheetPoints",
               presentation::SheetPointsByHeight(rows, kPrintedRowPitch, kPrintedSheetPoints,
                                                 kLargestPrintedPoints));
    val problems = val::array();
    for (presentation::SiteSetting setting : sheet.OutOfRange)
        problems.call<void>("push", presentation::RangeMessage(setting));
    answer.set("sheetProblems", problems);
    SetTrial(answer, calculated);
    SetRecords(answer, evaluation.Records, design.Locale);
    return answer;
}

// A design file's text checked and written again in the one canonical form,
// or the Thai message that refuses it.
val ReadDesignText(const std::string& fileText) {
    const presentation::DesignReading reading = presentation::ReadDesign(fileText);
    val answer = val::object();
    const auto* design = std::get_if<presentation::Design>(&reading);
    answer.set("ok", design != nullptr);
    if (design) {
        answer.set("designText", presentation::WriteDesign(*design));
    } else {
        answer.set("message", std::get<presentation::DesignRefusal>(reading).Message);
    }
    return answer;
}

// A design file's bytes, exactly as they were read from the disk: checked by
// the codec as the desktop checks them (size, UTF-8, keys). No more than one
// byte past the largest design is copied; that byte is enough to refuse it.
val ReadDesignBytes(const val& bytes) {
    const std::size_t length = bytes["length"].as<std::size_t>();
    const std::size_t kept = std::min(length, presentation::kLargestDesignBytes + 1);
    const std::vector<unsigned char> copied =
        emscripten::convertJSArrayToNumberVector<unsigned char>(
            bytes.call<val>("subarray", 0, static_cast<double>(kept)));
    return ReadDesignText(std::string(copied.begin(), copied.end()));
}

// The page's layout of the printed report: where each line any design
// prints stands.
val ReportLayout() {
    val lines = val::array();
    for (const presentation::ReportLine& line : ReportPlaces()) {
        val placed = val::object();
        placed.set("x", line.X);
        placed.set("y", line.Y);
        placed.set("bold", line.Bold);
        placed.set("right", line.AlignRight);
        lines.call<void>("push", placed);
    }
    return lines;
}

std::string DesignFileNameOf(const std::string& engineer, const std::string& isoDate) {
    return presentation::DesignFileName(engineer, isoDate);
}

}  // namespace

EMSCRIPTEN_BINDINGS(krv1) {
    emscripten::function("calculateDesign", &CalculateDesign);
    emscripten::function("readDesignText", &ReadDesignText);
    emscripten::function("readDesignBytes", &ReadDesignBytes);
    emscripten::constant("largestDesignBytes",
                         static_cast<double>(presentation::kLargestDesignBytes));
    emscripten::function("reportLayout", &ReportLayout);
    emscripten::function("pageTexts", &krv1::web::PageTexts);
    emscripten::function("designFileName", &DesignFileNameOf);
    emscripten::function("recordsOfDesign", &RecordsOfDesign);
    emscripten::function("pastedRows", &PastedRowsOf);
}
