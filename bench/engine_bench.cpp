// One whole calculation, inputs to both batches, as a Calculate press runs it.
#include <benchmark/benchmark.h>

#include "engine/calculation.h"

namespace {

void BM_CalculateMix(benchmark::State& loop) {
    krv1::MixInput input;
    input.RequiredStrength = "240";
    input.Shape = krv1::SpecimenShape::Cube;
    input.Slump = krv1::SlumpChoice::Slump7_5;
    input.Stone = krv1::StoneChoice::ThreeQuarterInch;
    input.Admixture = krv1::AdmixtureChoice::WithAdmixture;
    input.DosageText = "250";
    input.SandMoistureText = "5";
    const krv1::MixState previous;
    for (auto _ : loop) {
        krv1::CalculationResult result = krv1::CalculateMix(input, previous);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CalculateMix);

}  // namespace
