// Inputs of the worked designs used across the tests.
#pragma once

#include <array>

#include "engine/materials.h"
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

// The site's materials of the worked design with them: hydraulic cement of
// 3.05, sand of 2.62 absorbing 1.2 %, stone of 2.68 absorbing 0.6 % at 2.0 %.
inline Materials WorkedSiteMaterials() {
    Materials site;
    site.CementGravity = 3.05;
    site.SandGravity = 2.62;
    site.SandAbsorption = 1.2;
    site.StoneGravity = 2.68;
    site.Stone = StoneWater{2.0, 0.6};
    return site;
}

// The worked design's ten result texts, before the correction and then
// after it. Units carry their own blanks: six before กิโลกรัม for cement,
// seven for stone, seven for sand before the correction and six after it.
inline constexpr std::array<const char*, 10> kWorkedDesignPanelTexts{
    "310      กิโลกรัม", "190     ลิตร", "800       กิโลกรัม", "1110       กิโลกรัม", "0     ซีซี",
    "310      กิโลกรัม", "155     ลิตร", "835      กิโลกรัม",  "1110       กิโลกรัม", "0     ซีซี",
};

}  // namespace krv1::testing
