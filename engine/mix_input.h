// The engineer's inputs for one design, as typed and chosen on the main window.
#pragma once

#include <string>

namespace krv1 {

enum class SpecimenShape { None, Cube, Cylinder };
enum class AdmixtureChoice { None, WithAdmixture, WithoutAdmixture };
// Slump classes of the water table, each plus or minus 2.5 cm.
enum class SlumpChoice { None, Slump7_5, Slump10_0, Slump12_5 };
// Largest stone sizes of the water table, both graded down to sieve #4.
enum class StoneChoice { None, OneInch, ThreeQuarterInch };

struct MixInput {
    std::string RequiredStrength;  // ksc, 28-day, as typed
    SpecimenShape Shape = SpecimenShape::None;
    SlumpChoice Slump = SlumpChoice::None;
    StoneChoice Stone = StoneChoice::None;
    AdmixtureChoice Admixture = AdmixtureChoice::None;
    std::string DosageText;        // cc per 100 kg cement, read only with admixture
    std::string SandMoistureText;  // total moisture of the sand, percent

    bool operator==(const MixInput&) const = default;
};

}  // namespace krv1
