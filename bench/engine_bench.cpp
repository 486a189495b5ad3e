// One whole calculation, inputs to both batches, as a Calculate press runs it.
#include <benchmark/benchmark.h>

#include "engine/calculation.h"
#include "text/mix_choices.h"

namespace {

void BM_CalculateMix(benchmark::State& loop) {
    krv1::MixInput input;
    input.RequiredStrength = "240";
    input.Shape = krv1::SpecimenShape::Cube;
    input.SlumpText = std::string(krv1::text::kSlump75);
    input.AggregateText = std::string(krv1::text::kStone3Quarter);
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
