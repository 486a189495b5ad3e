// A project worked out whole: each element by the one evaluation of its own
// design, then what the site orders of its materials, what the ready-mix
// supplier is asked for, and the carbon of it all.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "design_evaluation.h"
#include "project_file.h"

namespace krv1::presentation {

// One element as evaluated; without a mix (or with a site setting out of
// range) it keeps its row, its refusal, and is left out of every total.
struct ElementFigures {
    std::string Name;
    Supply Supplied = Supply::Site;
    presentation::Design Design;
    std::optional<CalculatedMix> Mix;  // none when refused
    std::string Refusal;               // the Thai message; empty when calculated
    std::optional<double> Co2PerCubicMetre;

    const SiteSheet& sheet() const { return Mix->Sheet; }
    // The volume poured with its waste, m3.
    double Volume() const;
};

// The materials the site-mixed elements need, to order.
struct MaterialsOrder {
    double CementKg = 0;
    std::optional<double> CementBags;  // none while an element's bags wait
    double WaterLitres = 0;
    double AdmixtureLitres = 0;
    double SandLooseCubicMetres = 0;
    double SandQ = 0;                 // whole คิว
    std::optional<double> SandTrips;  // with the sand truck's size
    double StoneLooseCubicMetres = 0;
    double StoneQ = 0;
    std::optional<double> StoneTrips;
    std::optional<double> Cost;              // the priced parts; none when nothing is priced
    std::vector<SiteSetting> PricesLeftOut;  // by any site-mixed element
};

// One concrete a supplier makes, and how much of it to order.
struct ReadyMixLine {
    MixInput Concrete;  // strength as typed, specimen, slump, stone, admixture and dosage
    double Volume = 0;  // m3 with the elements' waste
    double Order = 0;   // rounded up to the next 0.5 m3
    std::optional<double> Trucks;
};

struct ProjectEvaluation {
    std::vector<ElementFigures> Elements;
    MaterialsOrder Order;
    std::vector<ReadyMixLine> ReadyMix;
    std::optional<double> Co2Total;  // kg CO2e, with the cement's factor given
    std::vector<std::string> Notes;
    ProjectValues Settings;
};

// The evaluation, or the first project setting that is refused.
using ProjectResult = std::variant<ProjectEvaluation, ProjectSettingRefusal>;

// `day` dates each element's pages.
ProjectResult EvaluateProject(const Project& project, const CalendarDate& day);

// What a window shows while the engineer mends a setting: the evaluation
// with every refused setting left out, and the first refusal.
struct ProjectShown {
    ProjectEvaluation Evaluation;
    std::optional<ProjectSettingRefusal> Refusal;
};
ProjectShown ShowProject(Project project, const CalendarDate& day);

}  // namespace krv1::presentation
