#include "project_workbook.h"

#include <cctype>

#include "choice_texts.h"
#include "engine/number_conversion.h"
#include "project_report.h"
#include "text/project_texts.h"
#include "text/report_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::project;

WorkbookCell Text(std::string_view text) { return std::string(text); }

WorkbookCell Number(const std::optional<double>& value, int decimals, bool grouped = false) {
    if (!value) return {};
    return WorkbookNumber{*value, decimals, grouped};
}

// A figure typed by the engineer, as the number it reads with the design's
// separators and the decimals it was typed with; a text that is no number
// stays as typed.
WorkbookCell Typed(const std::string& text, const NumberLocale& separators) {
    const std::optional<double> value = ParsedDouble(text, separators);
    if (!value) return text.empty() ? WorkbookCell() : WorkbookCell(text);
    const std::size_t mark = text.find(separators.DecimalSeparator);
    int decimals = 0;
    if (mark != std::string::npos)
        for (std::size_t i = mark + separators.DecimalSeparator.size();
             i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            ++decimals;
    return WorkbookNumber{*value, decimals};
}

std::vector<WorkbookRow> Heading(const Project& project, const CalendarDate& day) {
    std::vector<WorkbookRow> rows;
    for (const std::string& line : ProjectHeading(project, day)) rows.push_back({line});
    rows.emplace_back();
    return rows;
}

// The site sheet's pour and cost, as the sheet shows them.
std::vector<const SiteFigureRow*> PourAndCost() {
    std::vector<const SiteFigureRow*> rows;
    for (const SiteFigureRow& row : SiteFigureRows())
        if (row.Part != SitePart::PerBag) rows.push_back(&row);
    return rows;
}

WorkbookSheet Summary(const Project& project, const ProjectEvaluation& evaluation,
                      const CalendarDate& day, std::vector<std::string>& taken) {
    WorkbookSheet sheet{SheetName(t::kSummarySheet, taken), Heading(project, day)};
    WorkbookRow captions{Text(t::kCaption),  Text(t::kSupply),   Text(t::kRequired),
                         Text(t::kSpecimen), Text(t::kSlump),    Text(t::kStoneSize),
                         Text(t::kDosage),   Text(t::kMoisture), Text(t::kCement),
                         Text(t::kWater),    Text(t::kSand),     Text(t::kStone),
                         Text(t::kAdmixture)};
    WorkbookRow units{{},
                      {},
                      Text(t::kKsc),
                      {},
                      Text(t::kCm),
                      Text(t::kInch),
                      Text(t::kCcPer100Kg),
                      Text(t::kPercent),
                      Text(t::kKg),
                      Text(t::kLitre),
                      Text(t::kKg),
                      Text(t::kKg),
                      Text(t::kCc)};
    for (const SiteFigureRow* row : PourAndCost()) {
        captions.push_back(Text(row->Caption));
        units.push_back(Text(row->Unit));
    }
    captions.push_back(Text(t::kRefusal));
    sheet.Rows.push_back(std::move(captions));
    sheet.Rows.push_back(std::move(units));
    for (const ElementFigures& e : evaluation.Elements) {
        const MixInput& input = e.Design.Input;
        const NumberLocale& marks = e.Design.Locale;
        const bool admixture = input.Admixture == AdmixtureChoice::WithAdmixture;
        WorkbookRow row{
            Text(e.Name),
            Text(SupplyName(e.Supplied)),
            Typed(input.RequiredStrength, marks),
            Text(input.Shape == SpecimenShape::Cylinder ? text::report::kCylinderSpecimen
                                                        : text::report::kCubeSpecimen),
            Typed(std::string(SpellingOf(input.Slump)), NumberLocale{}),
            Text(SpellingOf(input.Stone)),
            admixture ? Typed(input.DosageText, marks) : WorkbookCell(),
            Typed(input.SandMoistureText, marks)};
        if (e.Mix) {
            const BatchQuantities& a = e.Mix->Design.Adjusted;
            for (double figure : {a.Cement, a.Water, a.Sand, a.Stone, a.Admixture})
                row.push_back(WorkbookNumber{figure, 0});
            for (const SiteFigureRow* figure : PourAndCost())
                row.push_back(
                    Number(ValueOf(e.sheet()[figure->Figure]), figure->Decimals, figure->Grouped));
        } else {
            row.resize(row.size() + 5 + PourAndCost().size());
        }
        row.push_back(e.Refusal.empty() ? WorkbookCell() : Text(e.Refusal));
        sheet.Rows.push_back(std::move(row));
    }
    return sheet;
}

WorkbookSheet Orders(const Project& project, const ProjectEvaluation& evaluation,
                     const CalendarDate& day, std::vector<std::string>& taken) {
    WorkbookSheet sheet{SheetName(t::kOrderSheet, taken), Heading(project, day)};
    for (const OrderRow& row : OrderFigureRows(evaluation)) {
        if (row.Is != SheetRow::Kind::Figure) {
            sheet.Rows.push_back({Text(row.Caption)});
            continue;
        }
        sheet.Rows.push_back({Text(row.Caption), Number(row.Value, row.Decimals, true),
                              row.Value ? Text(row.Unit) : WorkbookCell()});
    }
    return sheet;
}

WorkbookSheet Comparison(const Project& project, const ProjectEvaluation& evaluation,
                         const CalendarDate& day, std::vector<std::string>& taken) {
    WorkbookSheet sheet{SheetName(t::kCompareSheet, taken), Heading(project, day)};
    WorkbookRow names{Text(t::kCaption), Text(t::kUnit)};
    for (const ElementFigures& e : evaluation.Elements) names.push_back(Text(e.Name));
    sheet.Rows.push_back(std::move(names));
    const std::vector<ComparisonRow> rows = ComparisonRows(evaluation);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ComparisonRow& row = rows[i];
        WorkbookRow cells{Text(row.Caption), row.Unit.empty() ? WorkbookCell() : Text(row.Unit)};
        for (std::size_t j = 0; j < row.Cells.size(); ++j) {
            const ComparisonCell& cell = row.Cells[j];
            if (const double* value = std::get_if<double>(&cell)) {
                cells.push_back(WorkbookNumber{*value, row.Decimals, true});
            } else if (const std::string* text = std::get_if<std::string>(&cell)) {
                // The first row is the required strength, the engineer's figure as typed.
                cells.push_back(i == 0 ? Typed(*text, evaluation.Elements[j].Design.Locale)
                                       : Text(*text));
            } else {
                cells.emplace_back();
            }
        }
        sheet.Rows.push_back(std::move(cells));
    }
    return sheet;
}

WorkbookSheet Element(const ElementFigures& e, std::vector<std::string>& taken) {
    WorkbookSheet sheet{SheetName(e.Name, taken),
                        {{Text(e.Name)}, {Text(SupplyName(e.Supplied))}, {}}};
    if (!e.Mix) {
        sheet.Rows.push_back({Text(e.Refusal)});
        return sheet;
    }
    const std::size_t account = ReportAccountLines(e.Mix->Account);
    for (std::size_t i = 0; i < account; ++i) sheet.Rows.push_back({Text(e.Mix->Lines[i].Text)});
    sheet.Rows.emplace_back();
    for (const SiteFigureRow& row : SiteFigureRows()) {
        const std::optional<double> value = ValueOf(e.sheet()[row.Figure]);
        sheet.Rows.push_back({Text(row.Caption), Number(value, row.Decimals, row.Grouped),
                              value ? Text(row.Unit) : WorkbookCell()});
    }
    return sheet;
}

}  // namespace

Workbook ProjectWorkbook(const Project& project, const ProjectEvaluation& evaluation,
                         const CalendarDate& day) {
    std::vector<std::string> taken;
    Workbook book;
    book.Sheets.push_back(Summary(project, evaluation, day, taken));
    book.Sheets.push_back(Orders(project, evaluation, day, taken));
    book.Sheets.push_back(Comparison(project, evaluation, day, taken));
    for (const ElementFigures& e : evaluation.Elements) book.Sheets.push_back(Element(e, taken));
    return book;
}

}  // namespace krv1::presentation
