// The engineer's inputs for one design, as typed and chosen on the main window,
// and the margin the site's records earn when the design uses them.
#pragma once

#include <optional>
#include <string>

namespace krv1 {

enum class SpecimenShape { None, Cube, Cylinder };
enum class AdmixtureChoice { None, WithAdmixture, WithoutAdmixture };
// Slump classes of the water table, each plus or minus 2.5 cm.
enum class SlumpChoice { None, Slump7_5, Slump10_0, Slump12_5 };
// Largest stone sizes of the water table, both graded down to sieve #4.
enum class StoneChoice { None, OneInch, ThreeQuarterInch };

// The margin a site's own strength records earn, used in place of the
// method's fixed 60 ksc when the design asks for it.
struct EarnedMargin {
    double Cube = 0;       // ksc on the cube basis, added to the required strength
    int Tests = 0;         // how many tests earned it
    double Deviation = 0;  // their standard deviation, ksc, cylinder basis
    SpecimenShape Specimen = SpecimenShape::Cylinder;  // what the tests were made on

    bool operator==(const EarnedMargin&) const = default;
};

struct MixInput {
    std::string RequiredStrength;  // ksc, 28-day, as typed
    SpecimenShape Shape = SpecimenShape::None;
    SlumpChoice Slump = SlumpChoice::None;
    StoneChoice Stone = StoneChoice::None;
    AdmixtureChoice Admixture = AdmixtureChoice::None;
    std::string DosageText;              // cc per 100 kg cement, read only with admixture
    std::string SandMoistureText;        // total moisture of the sand, percent
    std::optional<EarnedMargin> Margin;  // none: the method's 60 ksc

    bool operator==(const MixInput&) const = default;
};

}  // namespace krv1
