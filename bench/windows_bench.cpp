// Calculate, details filling and a print job through the real widgets,
// offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <deque>

#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "forms/main/main_window.h"
#include "forms/main/main_window_layout.h"
#include "forms/main/secondary_windows.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "recording_printer.h"

namespace {

using namespace krv1;
namespace m = forms::main_controls;
namespace d = forms::details_controls;

template <typename T>
T* Control(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// The main window with the admixture worked design entered.
struct Session {
    forms::SecondaryWindows windows;
    forms::MainWindow form{windows};
    Session() {
        form.load();
        form.showForm();
        Control<QLineEdit>(&form, m::kStrengthBox)->setText(QStringLiteral("240"));
        Control<platform::FormOptionButton>(&form, m::kCubeOption)->click();
        Control<platform::FormDropDownList>(&form, m::kSlumpList)->setCurrentIndex(0);
        Control<platform::FormDropDownList>(&form, m::kStoneList)->setCurrentIndex(1);
        Control<platform::FormOptionButton>(&form, m::kWithAdmixtureOption)->click();
        Control<QLineEdit>(&form, m::kDosageBox)->setText(QStringLiteral("250"));
        Control<QLineEdit>(&form, m::kMoistureBox)->setText(QStringLiteral("5"));
        Control<QPushButton>(&form, m::kCalculateCommand)->click();
    }
};

void BM_CalculatePress(benchmark::State& loop) {
    Session session;
    auto* calculate = Control<QPushButton>(&session.form, m::kCalculateCommand);
    for (auto _ : loop) calculate->click();
}
BENCHMARK(BM_CalculatePress)->Unit(benchmark::kMicrosecond);

void BM_DetailsFilling(benchmark::State& loop) {
    Session session;
    auto* details = Control<QPushButton>(&session.form, m::kDetailsCommand);
    for (auto _ : loop) details->click();
}
BENCHMARK(BM_DetailsFilling)->Unit(benchmark::kMicrosecond);

void BM_RecordedPrintJob(benchmark::State& loop) {
    Session session;
    Control<QPushButton>(&session.form, m::kDetailsCommand)->click();
    forms::DetailsWindow* details = session.windows.details.existing();
    std::deque<testing::PrintJob> jobs;
    details->setPrinterSource([&jobs]() -> std::unique_ptr<platform::Printer> {
        if (jobs.size() > 100) jobs.pop_front();
        jobs.emplace_back();
        return std::make_unique<testing::RecordingPrinter>(jobs.back(), true);
    });
    auto* print = Control<QPushButton>(details, d::kPrintCommand);
    for (auto _ : loop) print->click();
}
BENCHMARK(BM_RecordedPrintJob)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::SetUpAppearance();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
