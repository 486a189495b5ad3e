// The worked house of the project tests: footings and slab mixed on site,
// columns ready-mixed, each a known answer of tests/data/known-answers.json,
// with volumes 6.5, 4.2 and 9.0 m3 and 5 % waste, a 5 คิว sand truck and a
// 5 m3 ready-mix truck.
#pragma once

#include "presentation/project_file.h"

namespace krv1::testing {

using presentation::ProjectSetting;
using presentation::SiteSetting;
using presentation::Supply;

inline presentation::Design HouseDesign(const char* strength, SpecimenShape shape,
                                        SlumpChoice slump, StoneChoice stone, const char* dosage,
                                        const char* moisture, const char* volume) {
    MixInput input;
    input.RequiredStrength = strength;
    input.Shape = shape;
    input.Admixture = *dosage ? AdmixtureChoice::WithAdmixture : AdmixtureChoice::WithoutAdmixture;
    input.DosageText = dosage;
    input.Slump = slump;
    input.Stone = stone;
    input.SandMoistureText = moisture;
    presentation::Design design{"สมชาย ใจดี", input, {}};
    design.Site[static_cast<std::size_t>(SiteSetting::Volume)] = volume;
    design.Site[static_cast<std::size_t>(SiteSetting::Waste)] = "5";
    return design;
}

inline presentation::Project WorkedHouse() {
    presentation::Project house;
    house.Name = "บ้านคุณสมศรี ซอย 5";
    house.Engineer = "สมชาย ใจดี";
    house.Settings[static_cast<std::size_t>(ProjectSetting::SandTruck)] = "5";
    house.Settings[static_cast<std::size_t>(ProjectSetting::ReadyTruck)] = "5";
    house.Elements = {
        {"ฐานราก F1-F8", Supply::Site,
         HouseDesign("240", SpecimenShape::Cube, SlumpChoice::Slump7_5,
                     StoneChoice::ThreeQuarterInch, "", "5", "6.5")},
        {"เสา C1-C12", Supply::Ready,
         HouseDesign("280", SpecimenShape::Cylinder, SlumpChoice::Slump7_5,
                     StoneChoice::ThreeQuarterInch, "300", "2", "4.2")},
        {"พื้น S1", Supply::Site,
         HouseDesign("210", SpecimenShape::Cube, SlumpChoice::Slump10_0, StoneChoice::OneInch,
                     "250", "0", "9.0")},
    };
    return house;
}

}  // namespace krv1::testing
