#include "details_values.h"

#include "choice_texts.h"
#include "engine/number_text.h"
#include "engine/target_strength.h"
#include "figure_text.h"
#include "result_texts.h"
#include "strength_records.h"
#include "text/details_texts.h"
#include "text/main_window_texts.h"
#include "text/report_texts.h"
#include "text/strength_records_texts.h"

namespace krv1::presentation {

namespace d = text::details;
using V = DetailsValue;

namespace {

std::string operator+(std::string text, std::string_view suffix) { return text.append(suffix); }

// The required strength as the method takes it, said for a checker who would
// otherwise add the margin to the cylinder figure.
std::string CubeBasisLine(const MixInput& input, const NumberLocale& locale) {
    namespace r = text::report;
    if (input.Shape != SpecimenShape::Cylinder) return {};
    const std::optional<double> cube = CubeStrength(input, locale);
    if (!cube) return {};
    return std::string(r::kCubeBasis) + input.RequiredStrength + r::kCubeBasisDivisor +
           FigureText(*cube, Decimals(1), locale) + r::kCubeBasisUnit;
}

}  // namespace

std::string MarginNotice(const MixInput& input, const NumberLocale& locale) {
    namespace t = text::main_window;
    if (!input.Margin) return {};
    return std::string(t::kMarginNotice) + FigureText(input.Margin->Cube, Decimals(1), locale) +
           t::kMarginNoticeClose;
}

DetailsTexts DetailsValueTexts(const MixInput& input, const MixDesign& design,
                               const NumberLocale& locale, double sandAbsorption) {
    const MixState& s = design.State;
    const std::string slump(SlumpEntry(input.Slump));
    const std::string stone(StoneEntry(input.Stone));
    const std::string admixture(input.Admixture == AdmixtureChoice::WithAdmixture
                                    ? d::kWithAdmixture
                                    : d::kWithoutAdmixture);
    const ResultTexts panels = ResultPanelTexts(design, locale);

    DetailsTexts texts;
    texts[V::RequiredStrength] = input.RequiredStrength + d::kKsc;
    texts[V::TargetStrength] = IntegerText(s.F) + d::kKsc;
    if (const auto& margin = input.Margin) {
        namespace r = text::records;
        texts.TargetCaption = std::string(r::kTargetWithMargin) +
                              FigureText(margin->Cube, Decimals(1), locale) +
                              r::kTargetWithMarginClose;
        // The deviation on the specimen the records were tested on, as the
        // records window shows it, and named.
        const bool cubes = margin->Specimen == SpecimenShape::Cube;
        texts.MarginLine =
            std::string(r::kReportMargin) + std::to_string(margin->Tests) + r::kReportDeviation +
            FigureText(OnSpecimen(margin->Deviation, margin->Specimen), Decimals(1), locale) +
            r::kReportDeviationUnit + (cubes ? r::kOnCubes : r::kOnCylinders);
    }
    namespace rp = text::report;
    texts.CubeBasisLine = CubeBasisLine(input, locale);
    texts.SpecimenLine =
        std::string(rp::kSpecimen) +
        (input.Shape == SpecimenShape::Cube ? rp::kCubeSpecimen : rp::kCylinderSpecimen);
    if (input.Admixture == AdmixtureChoice::WithAdmixture)
        texts.DosageLine = std::string(rp::kDosage) + input.DosageText + rp::kDosageUnit;
    texts[V::Slump] = slump + d::kCm;
    texts[V::StoneSize] = stone + d::kCm;
    texts[V::Admixture] = admixture;
    texts[V::WaterCondition] = admixture + d::kEquals;
    texts[V::MixingWater] = IntegerText(s.W) + d::kLitrePerCubicMetre;
    texts[V::WaterCementRatio] = SingleText(s.WA, locale);
    texts[V::CementWeight] = IntegerText(s.Weight) + d::kKgShort;
    texts[V::CementVolume] = IntegerText(s.VOLUM) + d::kLitre;
    texts[V::StepStoneSize] = stone + d::kCm;
    texts[V::CementPlusSandVolume] = IntegerText(s.P) + d::kLitre;
    texts[V::SandVolume] = IntegerText(s.SAND) + d::kLitre;
    texts[V::SandWeight] = IntegerText(s.WSAND) + d::kKgShort;
    texts[V::StoneVolume] = IntegerText(s.VGRAVEL) + d::kLitre;
    texts[V::StoneWeight] = IntegerText(s.WGRAVEL) + d::kKgShort;
    texts[V::AdmixtureAmount] = IntegerText(s.VYA) + d::kCc;
    texts[V::UnroundedCement] = IntegerText(s.Weight) + d::kKg;
    texts[V::UnroundedWater] = IntegerText(s.W) + d::kLitre;
    texts[V::UnroundedSand] = IntegerText(s.WSAND) + d::kKg;
    texts[V::UnroundedStone] = IntegerText(s.WGRAVEL) + d::kKg;
    texts[V::UnroundedAdmixture] = IntegerText(s.VYA) + d::kCc;
    // The two batched panels read exactly as the main window's result panels.
    const V rounded[] = {V::RoundedCement, V::RoundedWater, V::RoundedSand, V::RoundedStone,
                         V::RoundedAdmixture};
    const V adjusted[] = {V::AdjustedCement, V::AdjustedWater, V::AdjustedSand, V::AdjustedStone,
                          V::AdjustedAdmixture};
    for (std::size_t row = 0; row < kBatchRows; ++row) {
        texts[rounded[row]] = panels.BeforeCorrection[row];
        texts[adjusted[row]] = panels.AfterCorrection[row];
    }
    texts[V::SandMoisture] = input.SandMoistureText + d::kPercent;
    // The method's absorption keeps its fixed text, with its point whatever
    // the separators; a measured one is written as the other figures are.
    texts[V::SandAbsorption] = sandAbsorption == kSandAbsorptionPercent
                                   ? std::string(d::kSandAbsorption)
                                   : DoubleText(sandAbsorption, locale) + d::kSpacedPercent;
    texts[V::SurfaceMoisture] = DoubleText(design.SurfaceMoisture, locale) + d::kPercent;
    texts[V::BatchedSand] = Row(panels.BeforeCorrection, BatchRow::Sand);
    texts[V::ExcessWater] = DoubleText(design.ExcessWater, locale) + d::kKg;
    texts[V::WetSand] = SingleText(s.V5, locale) + d::kKg;
    texts[V::TotalWater] = SingleText(s.V8, locale) + d::kLitre;
    return texts;
}

}  // namespace krv1::presentation
