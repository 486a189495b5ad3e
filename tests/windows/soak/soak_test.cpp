// A long session: many designs, every window opened, put away and closed over
// and over, and many printed reports. Nothing may pile up, and the last design
// must still read right. Under the sanitizer build, LeakSanitizer checks the
// whole run at exit.
#include <QPointer>
#include <deque>

#include "forms/details/form3.h"
#include "main/main_window_fixture.h"
#include "recording_printer.h"

namespace krv1::testing {
namespace {

class SoakTest : public MainWindowTest {};

TEST_F(SoakTest, ALongSessionLeavesNothingBehind) {
    ProcessEvents();
    const int windowsAtStart = static_cast<int>(QApplication::topLevelWidgets().size());
    MessageRecorder messages;

    const char* moistures[] = {"0", "0.7", "2.5", "5", "8"};
    for (int i = 0; i < 1000; ++i) {
        type("Text2", QString::number(150 + (i * 7) % 150));
        control<platform::FormOptionButton>((i / 6) % 2 ? "Option4" : "Option3")->click();
        choose("Combo1", i % 3);
        choose("Combo2", (i / 3) % 2);
        if ((i / 12) % 2) {
            control<platform::FormOptionButton>("Option1")->click();
            type("Text3", QString::number(100 + i % 300));
        } else {
            control<platform::FormOptionButton>("Option2")->click();
        }
        type("Text4", QString::fromLatin1(moistures[i % 5]));
        calculate();
        control<QPushButton>("Command2")->click();
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n').toStdString();

    for (int i = 0; i < 200; ++i) {
        control<QPushButton>("Command4")->click();
        control<QPushButton>("Command5")->click();
        control<QPushButton>("Command2")->click();
        Find<QPushButton>(windows->conditions.existing(), "Command1")->click();  // hide
        Find<QPushButton>(windows->details.existing(), "Command2")->click();     // hide
        control<QPushButton>("Command4")->click();
        control<QPushButton>("Command2")->click();
        windows->conditions.existing()->close();  // the frame's close box
        windows->about.existing()->close();
        windows->details.existing()->close();
        ProcessEvents();
    }

    std::deque<PrintJob> jobs;
    control<QPushButton>("Command2")->click();
    forms::Form3* details = windows->details.existing();
    details->setPrinterSource([&jobs]() -> std::unique_ptr<platform::Printer> {
        jobs.emplace_back();
        return std::make_unique<RecordingPrinter>(jobs.back(), true);
    });
    for (int i = 0; i < 50; ++i) Find<QPushButton>(details, "Command1")->click();
    EXPECT_EQ(jobs.size(), 50u);
    for (const PrintJob& job : jobs) EXPECT_EQ(job.lines.size(), 44u);
    details->close();

    enterWorkedDesign();
    calculate();
    EXPECT_EQ(caption("Label10"), QString::fromUtf8("310      กิโลกรัม"));
    EXPECT_EQ(caption("Label16"), QString::fromUtf8("155     ลิตร"));
    EXPECT_EQ(caption("Label17"), QString::fromUtf8("835      กิโลกรัม"));

    ProcessEvents();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsAtStart);
    EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace
}  // namespace krv1::testing
