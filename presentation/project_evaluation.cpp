#include "project_evaluation.h"

#include <algorithm>
#include <cmath>

#include "engine/number_conversion.h"
#include "text/project_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::project;
using S = ProjectSetting;

std::optional<double> At(const ProjectValues& values, S setting) {
    return values[static_cast<std::size_t>(setting)];
}

double FigureOr0(const SiteSheet& sheet, SiteFigure figure) {
    return ValueOf(sheet[figure]).value_or(0);
}

// Carbon a cubic metre: the batched metre before the moisture correction,
// each material by its factor, a factor not given counting as nothing. The
// admixture's cc are litres / 1000.
std::optional<double> CarbonPerCubicMetre(const MixDesign& mix, const ProjectValues& values) {
    const auto cement = At(values, S::Co2Cement);
    if (!cement) return std::nullopt;
    const BatchQuantities& r = mix.Rounded;
    return r.Cement * *cement + r.Sand * At(values, S::Co2Sand).value_or(0) +
           r.Stone * At(values, S::Co2Stone).value_or(0) +
           r.Admixture / 1000 * At(values, S::Co2Admixture).value_or(0);
}

ElementFigures Evaluated(const ProjectElement& element, const ProjectValues& values,
                         const CalendarDate& day) {
    ElementFigures figures{element.Name, element.Supplied, element.Design, {}, {}, {}};
    DesignEvaluation evaluation = EvaluateDesign(element.Design, day);
    CalculatedMix* calculated = std::get_if<CalculatedMix>(&evaluation.Mix);
    if (!calculated) {
        figures.Refusal = RefusalMessage(evaluation.Mix);
        return figures;
    }
    // A pour that waits on a setting out of its range is no pour to order.
    if (!calculated->Sheet.OutOfRange.empty()) {
        figures.Refusal = RangeMessage(calculated->Sheet.OutOfRange.front());
        return figures;
    }
    figures.Co2PerCubicMetre = CarbonPerCubicMetre(calculated->Design, values);
    figures.Mix = std::move(*calculated);
    return figures;
}

// Whole bags: one bag weight for every site-mixed element orders the sum in
// bags of it; mixed weights order each element's own whole bags.
std::optional<double> Bags(const std::vector<const ElementFigures*>& site, double cementKg) {
    if (site.empty()) return 0.0;
    std::optional<double> bag;
    bool oneWeight = true;
    double sum = 0;
    for (const ElementFigures* element : site) {
        const auto weight =
            ParsedDouble(element->Design.Site[static_cast<std::size_t>(SiteSetting::Bag)],
                         element->Design.Locale);
        if (bag && weight != bag) oneWeight = false;
        bag = weight;
        const auto bags = ValueOf(element->sheet()[SiteFigure::PourBags]);
        if (!bags) return std::nullopt;
        sum += *bags;
    }
    if (oneWeight && bag) return std::ceil(cementKg / *bag);
    return sum;
}

MaterialsOrder OrderOf(const std::vector<const ElementFigures*>& site,
                       const ProjectValues& values) {
    MaterialsOrder order;
    for (const ElementFigures* element : site) {
        const SiteSheet& sheet = element->sheet();
        order.CementKg += FigureOr0(sheet, SiteFigure::PourCement);
        order.WaterLitres += FigureOr0(sheet, SiteFigure::PourWater);
        order.AdmixtureLitres += FigureOr0(sheet, SiteFigure::PourAdmixture);
        order.SandLooseCubicMetres += FigureOr0(sheet, SiteFigure::PourLooseSand);
        order.StoneLooseCubicMetres += FigureOr0(sheet, SiteFigure::PourLooseStone);
        if (const auto cost = ValueOf(sheet[SiteFigure::CostTotal]))
            order.Cost = order.Cost.value_or(0) + *cost;
        for (SiteSetting price : sheet.PricesLeftOut)
            if (std::find(order.PricesLeftOut.begin(), order.PricesLeftOut.end(), price) ==
                order.PricesLeftOut.end())
                order.PricesLeftOut.push_back(price);
    }
    std::sort(order.PricesLeftOut.begin(), order.PricesLeftOut.end());
    order.CementBags = Bags(site, order.CementKg);
    // Sand and stone are bought by the whole คิว (a cubic metre, loose).
    order.SandQ = std::ceil(order.SandLooseCubicMetres);
    order.StoneQ = std::ceil(order.StoneLooseCubicMetres);
    if (const auto truck = At(values, S::SandTruck)) {
        order.SandTrips = std::ceil(order.SandLooseCubicMetres / *truck);
        order.StoneTrips = std::ceil(order.StoneLooseCubicMetres / *truck);
    }
    return order;
}

// The same concrete from a supplier: the strength as typed, the specimen,
// the slump, the stone, the admixture and its dosage as typed.
bool SameConcrete(const MixInput& a, const MixInput& b) {
    const bool admixture = a.Admixture == AdmixtureChoice::WithAdmixture;
    return a.RequiredStrength == b.RequiredStrength && a.Shape == b.Shape && a.Slump == b.Slump &&
           a.Stone == b.Stone && a.Admixture == b.Admixture &&
           (!admixture || a.DosageText == b.DosageText);
}

std::vector<ReadyMixLine> ReadyMixOf(const std::vector<const ElementFigures*>& ready,
                                     const ProjectValues& values) {
    std::vector<ReadyMixLine> lines;
    for (const ElementFigures* element : ready) {
        const MixInput& concrete = element->Design.Input;
        auto line = std::find_if(lines.begin(), lines.end(), [&](const ReadyMixLine& l) {
            return SameConcrete(l.Concrete, concrete);
        });
        if (line == lines.end())
            line = lines.insert(lines.end(), ReadyMixLine{concrete, 0, 0, std::nullopt});
        line->Volume += element->Volume();
    }
    for (ReadyMixLine& line : lines) {
        // A supplier takes orders by the half cubic metre.
        line.Order = std::ceil(line.Volume * 2) / 2;
        if (const auto truck = At(values, S::ReadyTruck))
            line.Trucks = std::ceil(line.Order / *truck);
    }
    return lines;
}

}  // namespace

double ElementFigures::Volume() const {
    return ValueOf(Mix->Sheet[SiteFigure::OrderVolume]).value_or(0);
}

ProjectResult EvaluateProject(const Project& project, const CalendarDate& day) {
    ProjectSettingsReading settings = ReadProjectSettings(project.Settings, project.Locale);
    if (auto* refusal = std::get_if<ProjectSettingRefusal>(&settings)) return std::move(*refusal);
    ProjectEvaluation evaluation;
    evaluation.Settings = std::get<ProjectValues>(settings);
    const ProjectValues& values = evaluation.Settings;
    for (const ProjectElement& element : project.Elements)
        evaluation.Elements.push_back(Evaluated(element, values, day));

    std::vector<const ElementFigures*> site, ready;
    std::string leftOut;
    for (const ElementFigures& element : evaluation.Elements) {
        if (!element.Mix) {
            leftOut.append(leftOut.empty() ? "" : t::kNamesSeparator).append(element.Name);
            continue;
        }
        (element.Supplied == Supply::Site ? site : ready).push_back(&element);
        if (element.Co2PerCubicMetre)
            evaluation.Co2Total =
                evaluation.Co2Total.value_or(0) + *element.Co2PerCubicMetre * element.Volume();
    }
    evaluation.Order = OrderOf(site, values);
    evaluation.ReadyMix = ReadyMixOf(ready, values);
    if (!leftOut.empty()) evaluation.Notes.push_back(std::string(t::kLeftOut).append(leftOut));
    const bool carbon = At(values, S::Co2Cement).has_value();
    const bool someFactorMissing =
        !At(values, S::Co2Sand) || !At(values, S::Co2Stone) || !At(values, S::Co2Admixture);
    if (carbon && someFactorMissing) evaluation.Notes.push_back(std::string(t::kCarbonLeftOut));
    return evaluation;
}

ProjectShown ShowProject(Project project, const CalendarDate& day) {
    std::optional<ProjectSettingRefusal> first;
    for (;;) {
        ProjectResult result = EvaluateProject(project, day);
        if (auto* evaluation = std::get_if<ProjectEvaluation>(&result))
            return ProjectShown{std::move(*evaluation), std::move(first)};
        const auto& refusal = std::get<ProjectSettingRefusal>(result);
        if (!first) first = refusal;
        project.Settings[static_cast<std::size_t>(refusal.Setting)].clear();
    }
}

}  // namespace krv1::presentation
