// The engineer's inputs for one design, as typed and chosen on the main window.
#pragma once

#include <string>

namespace krv1 {

enum class SpecimenShape { None, Cube, Cylinder };
enum class AdmixtureChoice { None, WithAdmixture, WithoutAdmixture };

struct MixInput {
    std::string RequiredStrength;  // ksc, 28-day, as typed
    SpecimenShape Shape = SpecimenShape::None;
    std::string SlumpText;      // a slump list entry, empty while none is chosen
    std::string AggregateText;  // a stone-size list entry, empty while none is chosen
    AdmixtureChoice Admixture = AdmixtureChoice::None;
    std::string DosageText;        // cc per 100 kg cement, read only with admixture
    std::string SandMoistureText;  // total moisture of the sand, percent
};

}  // namespace krv1
