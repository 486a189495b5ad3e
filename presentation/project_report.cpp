#include "project_report.h"

#include <nlohmann/json.hpp>

#include "choice_texts.h"
#include "figure_text.h"
#include "text/project_texts.h"
#include "text/report_texts.h"
#include "text/site_sheet_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::project;
using Json = nlohmann::ordered_json;

// How a comparison row reads an element that calculated.
struct CompareRow {
    std::string_view Caption;
    std::string_view Suffix;  // before or after the moisture correction
    std::string_view Unit;
    int Decimals;
    ComparisonCell (*Of)(const ElementFigures&);
};

double Batch(const BatchQuantities& q, int row) {
    const double rows[] = {q.Cement, q.Water, q.Sand, q.Stone, q.Admixture};
    return rows[row];
}

template <int Row>
ComparisonCell BeforeOf(const ElementFigures& e) {
    return Batch(e.Mix->Design.Rounded, Row);
}
template <int Row>
ComparisonCell AfterOf(const ElementFigures& e) {
    return Batch(e.Mix->Design.Adjusted, Row);
}

ComparisonCell Optional(const std::optional<double>& value) {
    return value ? ComparisonCell(*value) : ComparisonCell();
}

const CompareRow kCompareRows[] = {
    {t::kSpecimen, "", "", 0,
     [](const ElementFigures& e) {
         return ComparisonCell(std::string(e.Design.Input.Shape == SpecimenShape::Cylinder
                                               ? text::report::kCylinderSpecimen
                                               : text::report::kCubeSpecimen));
     }},
    {t::kTarget, "", t::kKsc, 0,
     [](const ElementFigures& e) { return ComparisonCell(double(e.Mix->Design.State.F)); }},
    {t::kRatio, "", "", 2,
     [](const ElementFigures& e) { return ComparisonCell(double(e.Mix->Design.State.WA)); }},
    {t::kCement, t::kBefore, t::kKg, 0, BeforeOf<0>},
    {t::kWater, t::kBefore, t::kLitre, 0, BeforeOf<1>},
    {t::kSand, t::kBefore, t::kKg, 0, BeforeOf<2>},
    {t::kStone, t::kBefore, t::kKg, 0, BeforeOf<3>},
    {t::kAdmixture, t::kBefore, t::kCc, 0, BeforeOf<4>},
    {t::kCement, t::kAfter, t::kKg, 0, AfterOf<0>},
    {t::kWater, t::kAfter, t::kLitre, 0, AfterOf<1>},
    {t::kSand, t::kAfter, t::kKg, 0, AfterOf<2>},
    {t::kStone, t::kAfter, t::kKg, 0, AfterOf<3>},
    {t::kAdmixture, t::kAfter, t::kCc, 0, AfterOf<4>},
    {t::kVolume, "", t::kCubicMetre, 2,
     [](const ElementFigures& e) { return ComparisonCell(e.Volume()); }},
    {t::kBags, "", t::kBag, 0,
     [](const ElementFigures& e) { return Optional(ValueOf(e.sheet()[SiteFigure::PourBags])); }},
    {t::kCostPerCubicMetre, "", t::kBaht, 2,
     [](const ElementFigures& e) {
         return Optional(ValueOf(e.sheet()[SiteFigure::CostPerCubicMetre]));
     }},
    {t::kCost, "", t::kBaht, 2,
     [](const ElementFigures& e) { return Optional(ValueOf(e.sheet()[SiteFigure::CostTotal])); }},
    {t::kCarbonPerCubicMetre, "", t::kKgCo2, 1,
     [](const ElementFigures& e) { return Optional(e.Co2PerCubicMetre); }},
};

Json Nullable(const std::optional<double>& value) { return value ? Json(*value) : Json(); }

// The site sheet's part as its JSON keys it.
Json PartJson(const SiteSheet& sheet, SitePart part) {
    Json object = Json::object();
    for (const SiteFigureRow& row : SiteFigureRows())
        if (row.Part == part) object[std::string(row.Key)] = Nullable(ValueOf(sheet[row.Figure]));
    return object;
}

std::string ConcreteLine(const MixInput& concrete) {
    std::string line(t::kConcreteStrength);
    line.append(concrete.RequiredStrength).append(" ").append(t::kKsc).append(" ");
    line.append(concrete.Shape == SpecimenShape::Cylinder ? text::report::kCylinderSpecimen
                                                          : text::report::kCubeSpecimen);
    line.append(t::kConcreteSlump).append(SpellingOf(concrete.Slump)).append(" ").append(t::kCm);
    line.append(t::kConcreteStone).append(SpellingOf(concrete.Stone)).append(" ").append(t::kInch);
    if (concrete.Admixture == AdmixtureChoice::WithAdmixture)
        line.append(t::kConcreteDosage)
            .append(concrete.DosageText)
            .append(" ")
            .append(t::kCcPer100Kg);
    return line;
}

std::string LeftOutPrices(const std::vector<SiteSetting>& prices) {
    std::string names;
    for (SiteSetting price : prices)
        names.append(names.empty() ? "" : ", ").append(BoxOf(price).caption);
    return names;
}

}  // namespace

std::vector<ComparisonRow> ComparisonRows(const ProjectEvaluation& evaluation) {
    std::vector<ComparisonRow> rows;
    ComparisonRow required{std::string(t::kRequired), std::string(t::kKsc), 0, {}};
    for (const ElementFigures& e : evaluation.Elements)
        required.Cells.emplace_back(e.Design.Input.RequiredStrength);
    rows.push_back(std::move(required));
    for (const CompareRow& row : kCompareRows) {
        ComparisonRow shown{
            std::string(row.Caption).append(row.Suffix), std::string(row.Unit), row.Decimals, {}};
        for (const ElementFigures& e : evaluation.Elements)
            shown.Cells.push_back(e.Mix ? row.Of(e) : ComparisonCell());
        rows.push_back(std::move(shown));
    }
    ComparisonRow refused{std::string(t::kRefusal), "", 0, {}};
    for (const ElementFigures& e : evaluation.Elements)
        refused.Cells.push_back(e.Refusal.empty() ? ComparisonCell() : ComparisonCell(e.Refusal));
    rows.push_back(std::move(refused));
    return rows;
}

const ElementListRow& ElementListHeader() {
    static const ElementListRow header{
        std::string(t::kCaption),
        std::string(t::kSupply),
        std::string(t::kRequired),
        std::string(t::kVolume) + " (" + std::string(t::kCubicMetre) + ")",
        std::string(t::kCement) + " (" + std::string(t::kKg) + "/" + std::string(t::kCubicMetre) +
            ")",
        std::string(t::kBags) + " (" + std::string(t::kBag) + ")",
        std::string(t::kCost) + " (" + std::string(t::kBaht) + ")",
        std::string(t::kRefusal)};
    return header;
}

std::vector<ElementListRow> ElementListRows(const ProjectEvaluation& evaluation,
                                            const NumberLocale& separators) {
    std::vector<ElementListRow> rows;
    for (const ElementFigures& e : evaluation.Elements) {
        const MixInput& input = e.Design.Input;
        ElementListRow row{
            e.Name, std::string(SupplyName(e.Supplied)),
            input.RequiredStrength + " " +
                std::string(input.Shape == SpecimenShape::Cylinder ? text::report::kCylinderSpecimen
                                                                   : text::report::kCubeSpecimen)};
        if (e.Mix) {
            const auto figure = [&](const std::optional<double>& value, int decimals) {
                return value ? FigureText(*value, Decimals(decimals, decimals > 0), separators)
                             : std::string();
            };
            row[3] = figure(e.Volume(), 2);
            row[4] = figure(e.Mix->Design.Adjusted.Cement, 0);
            row[5] = figure(ValueOf(e.sheet()[SiteFigure::PourBags]), 0);
            row[6] = figure(ValueOf(e.sheet()[SiteFigure::CostTotal]), 2);
        }
        row[7] = e.Refusal;
        rows.push_back(std::move(row));
    }
    return rows;
}

ComparisonTexts ComparisonTableTexts(const ProjectEvaluation& evaluation,
                                     const NumberLocale& separators) {
    ComparisonTexts texts;
    for (std::size_t i = 0; i < evaluation.Elements.size(); ++i)
        texts.ColumnHeads.push_back(std::to_string(i + 1) + ". " + evaluation.Elements[i].Name);
    for (const ComparisonRow& row : ComparisonRows(evaluation)) {
        texts.RowHeads.push_back(row.Unit.empty() ? row.Caption
                                                  : row.Caption + " (" + row.Unit + ")");
        std::vector<std::string> cells;
        for (const ComparisonCell& cell : row.Cells)
            cells.push_back(CellText(cell, row.Decimals, separators));
        texts.Cells.push_back(std::move(cells));
    }
    return texts;
}

std::string CellText(const ComparisonCell& cell, int decimals, const NumberLocale& separators) {
    if (const double* value = std::get_if<double>(&cell))
        return FigureText(*value, Decimals(decimals), separators);
    if (const std::string* text = std::get_if<std::string>(&cell)) return *text;
    return {};
}

std::vector<OrderRow> OrderFigureRows(const ProjectEvaluation& evaluation) {
    using K = SheetRow::Kind;
    const MaterialsOrder& o = evaluation.Order;
    const auto figure = [](std::string_view caption, const std::optional<double>& value,
                           int decimals, std::string_view unit) {
        return OrderRow{K::Figure, std::string(caption), value, decimals, std::string(unit)};
    };
    const auto line = [](K kind, std::string text) {
        return OrderRow{kind, std::move(text), std::nullopt, 0, {}};
    };
    std::string costCaption(t::kCost);
    if (o.Cost && !o.PricesLeftOut.empty())
        costCaption.append(text::site_sheet::kLeftOut)
            .append(LeftOutPrices(o.PricesLeftOut))
            .append(text::site_sheet::kLeftOutClose);
    std::vector<OrderRow> rows{
        line(K::Heading, std::string(t::kOrderTitle)),
        figure(t::kCement, o.CementKg, 1, t::kKg),
        figure(t::kCement, o.CementBags, 0, t::kBag),
        figure(t::kWater, o.WaterLitres, 1, t::kLitre),
        figure(t::kAdmixture, o.AdmixtureLitres, 2, t::kLitre),
        figure(t::kSandLoose, o.SandLooseCubicMetres, 2, t::kCubicMetre),
        figure(t::kSandOrder, o.SandQ, 0, t::kQ),
        figure(t::kSandTrips, o.SandTrips, 0, t::kTrip),
        figure(t::kStoneLoose, o.StoneLooseCubicMetres, 2, t::kCubicMetre),
        figure(t::kStoneOrder, o.StoneQ, 0, t::kQ),
        figure(t::kStoneTrips, o.StoneTrips, 0, t::kTrip),
        figure(costCaption, o.Cost, 2, t::kBaht),
    };
    rows.push_back(line(K::Heading, std::string(t::kReadyTitle)));
    for (const ReadyMixLine& ready : evaluation.ReadyMix) {
        rows.push_back(line(K::Line, ConcreteLine(ready.Concrete)));
        rows.push_back(figure(t::kReadyVolume, ready.Volume, 2, t::kCubicMetre));
        rows.push_back(figure(t::kReadyOrder, ready.Order, 1, t::kCubicMetre));
        rows.push_back(figure(t::kTrucks, ready.Trucks, 0, t::kTruck));
    }
    if (evaluation.Co2Total) {
        rows.push_back(line(K::Heading, std::string(t::kCarbonTitle)));
        rows.push_back(figure(t::kCarbonTotal, evaluation.Co2Total, 1, t::kKgCo2));
    }
    for (const std::string& note : evaluation.Notes) rows.push_back(line(K::Line, note));
    return rows;
}

std::vector<SheetRow> OrderRows(const ProjectEvaluation& evaluation,
                                const NumberLocale& separators) {
    std::vector<SheetRow> rows;
    // A figure not given (no truck, no price) is no line of the text.
    for (const OrderRow& row : OrderFigureRows(evaluation)) {
        if (row.Is != SheetRow::Kind::Figure) {
            rows.push_back(SheetRow{row.Is, row.Caption, {}, {}});
        } else if (row.Value) {
            rows.push_back(FigureRow(row.Caption, row.Value, row.Decimals, row.Unit, separators));
        }
    }
    return rows;
}

std::vector<std::string> ProjectHeading(const Project& project, const CalendarDate& day) {
    return {std::string(t::kProjectLine).append(project.Name),
            std::string(t::kEngineerLine).append(project.Engineer), ThaiDateLine(day)};
}

std::string ProjectText(const Project& project, const ProjectEvaluation& evaluation,
                        const CalendarDate& day) {
    std::string text;
    for (const std::string& line : ProjectHeading(project, day)) text.append(line).append("\n");
    text.append("\n").append(t::kCompareTitle).append("\n");
    const std::vector<ComparisonRow> rows = ComparisonRows(evaluation);
    for (std::size_t i = 0; i < evaluation.Elements.size(); ++i) {
        const ElementFigures& element = evaluation.Elements[i];
        text.append(std::to_string(i + 1)).append(". ").append(element.Name).append(" (");
        text.append(SupplyName(element.Supplied)).append(")\n");
        for (const ComparisonRow& row : rows) {
            const std::string cell = CellText(row.Cells[i], row.Decimals, project.Locale);
            if (cell.empty()) continue;
            text.append("   ").append(row.Caption).append("  ").append(cell);
            if (!row.Unit.empty()) text.append(" ").append(row.Unit);
            text.append("\n");
        }
    }
    text.append("\n").append(SheetText(OrderRows(evaluation, project.Locale)));
    return text;
}

std::string ProjectJson(const ProjectEvaluation& evaluation) {
    Json elements = Json::array();
    for (const ElementFigures& e : evaluation.Elements) {
        Json element{{"name", e.Name}, {"supply", SupplyKey(e.Supplied)}};
        element["refusal"] = e.Refusal.empty() ? Json() : Json(e.Refusal);
        if (e.Mix) {
            const MixDesign& mix = e.Mix->Design;
            const BatchQuantities& a = mix.Adjusted;
            element["target"] = mix.State.F;
            element["wc"] = double(mix.State.WA);
            element["per_m3"] = Json{{"cement", a.Cement},
                                     {"water", a.Water},
                                     {"sand", a.Sand},
                                     {"stone", a.Stone},
                                     {"admixture", a.Admixture}};
            element["pour"] = PartJson(e.sheet(), SitePart::Pour);
            element["cost"] = PartJson(e.sheet(), SitePart::Cost);
        } else {
            for (const char* key : {"target", "wc", "per_m3", "pour", "cost"})
                element[key] = nullptr;
        }
        element["co2_per_m3"] = Nullable(e.Co2PerCubicMetre);
        elements.push_back(std::move(element));
    }
    const MaterialsOrder& o = evaluation.Order;
    Json order{{"cement_kg", o.CementKg},
               {"cement_bags", Nullable(o.CementBags)},
               {"water_l", o.WaterLitres},
               {"admixture_l", o.AdmixtureLitres},
               {"sand_loose_m3", o.SandLooseCubicMetres},
               {"sand_q", o.SandQ},
               {"sand_trips", Nullable(o.SandTrips)},
               {"stone_loose_m3", o.StoneLooseCubicMetres},
               {"stone_q", o.StoneQ},
               {"stone_trips", Nullable(o.StoneTrips)},
               {"cost_total", Nullable(o.Cost)}};
    Json ready = Json::array();
    for (const ReadyMixLine& line : evaluation.ReadyMix) {
        const MixInput& c = line.Concrete;
        const bool admixture = c.Admixture == AdmixtureChoice::WithAdmixture;
        ready.push_back(Json{{"strength", c.RequiredStrength},
                             {"specimen", c.Shape == SpecimenShape::Cylinder ? "cylinder" : "cube"},
                             {"slump", SpellingOf(c.Slump)},
                             {"stone", SpellingOf(c.Stone)},
                             {"admixture", admixture ? "with" : "without"},
                             {"dosage", admixture ? Json(c.DosageText) : Json()},
                             {"volume_m3", line.Volume},
                             {"order_m3", line.Order},
                             {"trucks", Nullable(line.Trucks)}});
    }
    const Json file{{"elements", std::move(elements)},
                    {"order", std::move(order)},
                    {"ready_mix", std::move(ready)},
                    {"co2_total_kg", Nullable(evaluation.Co2Total)},
                    {"notes", evaluation.Notes}};
    return file.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace krv1::presentation
