// The module's project: a .krv1proj file's text worked out whole, as the
// command line and the project window show it, with its workbook as data for
// the page's writer to put in an .xlsx.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "presentation/project_report.h"
#include "presentation/project_workbook.h"

namespace {

using emscripten::val;
using namespace krv1;

val Strings(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) array.call<void>("push", text);
    return array;
}

// The workbook's sheets: each a name and rows of cells, a cell null, a text,
// or a number with its format.
val WorkbookOf(const presentation::Workbook& book) {
    val sheets = val::array();
    for (const presentation::WorkbookSheet& sheet : book.Sheets) {
        val rows = val::array();
        for (const presentation::WorkbookRow& row : sheet.Rows) {
            val cells = val::array();
            for (const presentation::WorkbookCell& cell : row) {
                if (const auto* text = std::get_if<std::string>(&cell)) {
                    cells.call<void>("push", *text);
                } else if (const auto* number = std::get_if<presentation::WorkbookNumber>(&cell)) {
                    val figure = val::object();
                    figure.set("value", number->Value);
                    figure.set("format", presentation::NumberFormat(*number));
                    cells.call<void>("push", figure);
                } else {
                    cells.call<void>("push", val::null());
                }
            }
            rows.call<void>("push", cells);
        }
        val widths = val::array();
        for (double width : presentation::ColumnWidths(sheet)) widths.call<void>("push", width);
        val shown = val::object();
        shown.set("name", sheet.Name);
        shown.set("rows", rows);
        shown.set("widths", widths);
        sheets.call<void>("push", shown);
    }
    return sheets;
}

// The project a file's text holds, worked out on the day given: or the
// message that refuses the file.
val EvaluateProjectText(const std::string& text, int year, int month, int day) {
    val answer = val::object();
    const presentation::ProjectReading reading = presentation::ReadProject(text);
    if (const auto* refusal = std::get_if<presentation::DesignRefusal>(&reading)) {
        answer.set("ok", false);
        answer.set("message", refusal->Message);
        return answer;
    }
    const presentation::Project& project = std::get<presentation::Project>(reading);
    const presentation::CalendarDate date{year, month, day};
    const presentation::ProjectShown shown = presentation::ShowProject(project, date);
    answer.set("ok", true);
    answer.set("projectText", presentation::WriteProject(project));
    if (shown.Refusal) {
        val refusal = val::object();
        refusal.set(
            "key",
            std::string(
                presentation::ProjectSettingRows()[std::size_t(shown.Refusal->Setting)].Key));
        refusal.set("message", shown.Refusal->Message);
        answer.set("settingProblem", refusal);
    } else {
        answer.set("settingProblem", val::null());
    }
    val header = val::array();
    for (const std::string& caption : presentation::ElementListHeader())
        header.call<void>("push", caption);
    answer.set("listHeader", header);
    val list = val::array();
    for (const presentation::ElementListRow& row :
         presentation::ElementListRows(shown.Evaluation, project.Locale))
        list.call<void>("push", Strings({row.begin(), row.end()}));
    answer.set("list", list);
    const presentation::ComparisonTexts compared =
        presentation::ComparisonTableTexts(shown.Evaluation, project.Locale);
    val comparison = val::object();
    comparison.set("rowHeads", Strings(compared.RowHeads));
    comparison.set("columnHeads", Strings(compared.ColumnHeads));
    val cells = val::array();
    for (const std::vector<std::string>& row : compared.Cells)
        cells.call<void>("push", Strings(row));
    comparison.set("cells", cells);
    answer.set("comparison", comparison);
    answer.set("ordersText",
               presentation::SheetText(presentation::OrderRows(shown.Evaluation, project.Locale)));
    // The figures and the workbook only of a project whose settings all stand,
    // as the command line writes them.
    if (shown.Refusal) {
        answer.set("json", val::null());
        answer.set("workbook", val::null());
    } else {
        answer.set("json", presentation::ProjectJson(shown.Evaluation));
        answer.set("workbook",
                   WorkbookOf(presentation::ProjectWorkbook(project, shown.Evaluation, date)));
    }
    return answer;
}

}  // namespace

EMSCRIPTEN_BINDINGS(krv1_project) {
    emscripten::function("evaluateProjectText", &EvaluateProjectText);
    emscripten::constant("largestProjectBytes",
                         static_cast<double>(presentation::kLargestProjectBytes));
}
