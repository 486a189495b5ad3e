// A long session: many designs, every window opened, put away and closed over
// and over, and many printed reports. Nothing may pile up, and the last design
// must still read right. Under the sanitizer build, LeakSanitizer checks the
// whole run at exit.
#include <QPointer>
#include <deque>

#include "forms/conditions/conditions_window_layout.h"
#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "main/main_window_fixture.h"
#include "recording_printer.h"

namespace krv1::testing {
namespace {

namespace d = forms::details_controls;
using V = presentation::DetailsValue;

class SoakTest : public MainWindowTest {};

TEST_F(SoakTest, ALongSessionLeavesNothingBehind) {
    ProcessEvents();
    const int windowsAtStart = static_cast<int>(QApplication::topLevelWidgets().size());
    MessageRecorder messages;

    const char* moistures[] = {"0", "0.7", "2.5", "5", "8"};
    for (int i = 0; i < 1000; ++i) {
        type(m::kStrengthBox, QString::number(150 + (i * 7) % 150));
        control<platform::FormOptionButton>((i / 6) % 2 ? m::kCylinderOption : m::kCubeOption)
            ->click();
        choose(m::kSlumpList, i % 3);
        choose(m::kStoneList, (i / 3) % 2);
        if ((i / 12) % 2) {
            control<platform::FormOptionButton>(m::kWithAdmixtureOption)->click();
            type(m::kDosageBox, QString::number(100 + i % 300));
        } else {
            control<platform::FormOptionButton>(m::kWithoutAdmixtureOption)->click();
        }
        type(m::kMoistureBox, QString::fromLatin1(moistures[i % 5]));
        calculate();
        control<QPushButton>(m::kDetailsCommand)->click();
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n').toStdString();

    for (int i = 0; i < 200; ++i) {
        control<QPushButton>(m::kConditionsCommand)->click();
        control<QPushButton>(m::kAboutCommand)->click();
        control<QPushButton>(m::kDetailsCommand)->click();
        Find<QPushButton>(windows->conditions.existing(), forms::conditions_controls::kCloseCommand)
            ->click();  // hide
        Find<QPushButton>(windows->details.existing(), forms::details_controls::kCloseCommand)
            ->click();  // hide
        control<QPushButton>(m::kConditionsCommand)->click();
        control<QPushButton>(m::kDetailsCommand)->click();
        windows->conditions.existing()->close();  // the frame's close box
        windows->about.existing()->close();
        windows->details.existing()->close();
        ProcessEvents();
    }

    std::deque<PrintJob> jobs;
    control<QPushButton>(m::kDetailsCommand)->click();
    forms::DetailsWindow* details = windows->details.existing();
    details->setPrinterSource([&jobs]() -> std::unique_ptr<platform::Printer> {
        jobs.emplace_back();
        return std::make_unique<RecordingPrinter>(jobs.back(), true);
    });
    for (int i = 0; i < 50; ++i) Find<QPushButton>(details, d::kPrintCommand)->click();
    EXPECT_EQ(jobs.size(), 50u);
    // The last design is a cylinder without admixture: the account's 44 lines
    // and its cube basis, then the day, the specimen and two signatures.
    for (const PrintJob& job : jobs) EXPECT_EQ(job.lines.size(), 49u);
    details->close();

    enterWorkedDesign();
    calculate();
    EXPECT_EQ(caption(m::kBeforeCorrectionResults[0]), QString::fromUtf8("310      กิโลกรัม"));
    EXPECT_EQ(caption(m::kAfterCorrectionResults[1]), QString::fromUtf8("155     ลิตร"));
    EXPECT_EQ(caption(m::kAfterCorrectionResults[2]), QString::fromUtf8("835      กิโลกรัม"));

    ProcessEvents();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsAtStart);
    EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace
}  // namespace krv1::testing
