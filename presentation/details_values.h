// The 39 value texts of the details window's account, in the order the
// account is written: requirements, the nine proportioning steps, the three
// mix panels, then the moisture correction.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/materials.h"
#include "engine/mix_input.h"
#include "engine/number_locale.h"
#include "text/details_texts.h"

namespace krv1::presentation {

enum class DetailsValue : std::size_t {
    RequiredStrength,
    TargetStrength,
    Slump,
    StoneSize,
    Admixture,
    // Proportioning, steps 1 to 9.
    WaterCondition,
    MixingWater,
    WaterCementRatio,
    CementWeight,
    CementVolume,
    StepStoneSize,
    CementPlusSandVolume,
    SandVolume,
    SandWeight,
    StoneVolume,
    StoneWeight,
    AdmixtureAmount,
    // The mix as proportioned, unrounded.
    UnroundedCement,
    UnroundedWater,
    UnroundedSand,
    UnroundedStone,
    UnroundedAdmixture,
    // The same at batching resolution: the main window's first panel.
    RoundedCement,
    RoundedWater,
    RoundedSand,
    RoundedStone,
    RoundedAdmixture,
    // Corrected for the sand's moisture: the main window's second panel.
    AdjustedCement,
    AdjustedWater,
    AdjustedSand,
    AdjustedStone,
    AdjustedAdmixture,
    // The moisture correction, steps 1 to 6.
    SandMoisture,
    SandAbsorption,
    SurfaceMoisture,
    BatchedSand,
    ExcessWater,
    WetSand,
    TotalWater,
};
inline constexpr std::size_t kDetailsValues = 39;

class DetailsTexts {
public:
    const std::string& operator[](DetailsValue value) const {
        return texts_[static_cast<std::size_t>(value)];
    }
    std::string& operator[](DetailsValue value) { return texts_[static_cast<std::size_t>(value)]; }
    // The texts in the order they are written, for front ends keyed by step.
    const std::array<std::string, kDetailsValues>& inOrder() const { return texts_; }

    // The caption before the target strength: the method's margin of 60, or
    // the one the site's records earned.
    std::string TargetCaption{text::details::kTargetStrength};
    // With the records' margin, the report's line on the tests that earned
    // it; empty otherwise.
    std::string MarginLine;
    // For a cylinder design, the required strength on the cube basis the
    // method works on; empty for cubes.
    std::string CubeBasisLine;
    // The specimen, and with admixture its dosage as typed; the report names
    // both, the dosage line being empty without admixture.
    std::string SpecimenLine;
    std::string DosageLine;
    // The report's lines on the site's materials and the stone's water,
    // after everything else of the account; none with the method's.
    std::vector<std::string> MaterialLines;

private:
    std::array<std::string, kDetailsValues> texts_;
};

// While the design takes the records' margin, the main window's line that
// says so; empty otherwise.
std::string MarginNotice(const MixInput& input, const NumberLocale& locale);

// The account of a successful calculation of `input`, its sand absorbing
// `sandAbsorption` percent.
DetailsTexts DetailsValueTexts(const MixInput& input, const MixDesign& design,
                               const NumberLocale& locale,
                               double sandAbsorption = kSandAbsorptionPercent);

}  // namespace krv1::presentation
