// Inputs of the worked designs used across the tests.
#pragma once

#include "engine/mix_input.h"

namespace krv1::testing {

// 240 ksc cube, 7.5 cm slump, 3/4 inch stone, no admixture, 5 % moisture.
inline MixInput WorkedDesign() {
    MixInput input;
    input.RequiredStrength = "240";
    input.Shape = SpecimenShape::Cube;
    input.Slump = SlumpChoice::Slump7_5;
    input.Stone = StoneChoice::ThreeQuarterInch;
    input.Admixture = AdmixtureChoice::WithoutAdmixture;
    input.SandMoistureText = "5";
    return input;
}

// The same with 250 cc admixture per 100 kg cement.
inline MixInput WorkedDesignWithAdmixture() {
    MixInput input = WorkedDesign();
    input.Admixture = AdmixtureChoice::WithAdmixture;
    input.DosageText = "250";
    return input;
}

}  // namespace krv1::testing
