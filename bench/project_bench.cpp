// A project of 200 elements, the most a file holds: evaluated whole, and
// written as a workbook, as the command line and the windows do it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "documents/workbook_writing.h"
#include "presentation/project_workbook.h"
#include "tests/support/worked_project.h"

namespace {

krv1::presentation::Project LargestProject() {
    krv1::presentation::Project project = krv1::testing::WorkedHouse();
    const auto house = project.Elements;
    project.Elements.clear();
    for (std::size_t i = 0; i < krv1::presentation::kMostElements; ++i) {
        project.Elements.push_back(house[i % house.size()]);
        project.Elements.back().Name += " " + std::to_string(i + 1);
    }
    return project;
}

void BM_EvaluateProject(benchmark::State& loop) {
    const krv1::presentation::Project project = LargestProject();
    for (auto _ : loop) {
        krv1::presentation::ProjectResult result =
            krv1::presentation::EvaluateProject(project, {2026, 12, 9});
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_EvaluateProject)->Unit(benchmark::kMillisecond);

void BM_WriteProjectWorkbook(benchmark::State& loop) {
    const krv1::presentation::Project project = LargestProject();
    const auto evaluation = std::get<krv1::presentation::ProjectEvaluation>(
        krv1::presentation::EvaluateProject(project, {2026, 12, 9}));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("project.xlsx"));
    for (auto _ : loop) {
        const auto failure = krv1::documents::WriteWorkbook(
            path, krv1::presentation::ProjectWorkbook(project, evaluation, {2026, 12, 9}));
        if (failure) loop.SkipWithError("the workbook was not written");
    }
}
BENCHMARK(BM_WriteProjectWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
