// Drives the real windows offscreen through one worked design to the print
// command of the details window, on whatever default printer the system has.
// Usage: real_print_check printed|printed-margin|no-printer|refused
//        real_print_check queue-accepts|queue-refuses|queue-unknown <queue>
// Exits 0 when the outcome is the one named: the job was handed over without
// a message (printed-margin: with the margin of site records as wide as
// "125.9", the report's 45 lines), or the engineer was told that there is no
// default printer, or
// that the printer does not take the job. The queue- forms ask the print
// system about the queue as the program does before each job: a queue that
// takes jobs, one that rejects them, and a name the print system does not
// know (which must not be taken for a refusal: Qt reports what it can).
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "forms/main/main_window.h"
#include "forms/main/main_window_layout.h"
#include "forms/main/secondary_windows.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/print_queue.h"
#include "platform/utf8_text.h"
#include "text/report_texts.h"

namespace {

namespace m = krv1::forms::main_controls;
namespace d = krv1::forms::details_controls;

template <typename T>
T* Control(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString expected = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("printed");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (expected.startsWith(QLatin1String("queue-")) && argc > 2) {
        const bool accepts = krv1::platform::QueueAcceptsJobs(QString::fromLocal8Bit(argv[2]));
        std::fprintf(stderr, "queue %s: %s\n", argv[2], accepts ? "accepts jobs" : "refuses jobs");
        return accepts == (expected != QLatin1String("queue-refuses")) ? 0 : 1;
    }
    krv1::platform::SetUpAppearance();
    QStringList messages;
    krv1::platform::SetMessageSink(
        [&messages](const QString&, const QString& text) { messages << text; });

    krv1::forms::SecondaryWindows windows;
    krv1::forms::MainWindow form(windows);
    form.load();
    form.showForm();
    using krv1::platform::FormDropDownList;
    using krv1::platform::FormOptionButton;
    using krv1::platform::FormTextBox;
    Control<FormTextBox>(&form, m::kStrengthBox)->setText(QStringLiteral("240"));
    Control<FormOptionButton>(&form, m::kCubeOption)->click();
    Control<FormDropDownList>(&form, m::kSlumpList)->setCurrentIndex(0);
    Control<FormDropDownList>(&form, m::kStoneList)->setCurrentIndex(1);
    Control<FormOptionButton>(&form, m::kWithoutAdmixtureOption)->click();
    Control<FormTextBox>(&form, m::kMoistureBox)->setText(QStringLiteral("5"));
    Control<FormTextBox>(&form, m::kEngineerBox)->setText(QStringLiteral("KRV1 Test Engineer"));
    Control<QPushButton>(&form, m::kCalculateCommand)->click();
    QTemporaryDir folder;
    if (expected == QLatin1String("printed-margin")) {
        // Fifteen cube tests alternating 360 and 240: a scatter that earns
        // a margin of three figures.
        krv1::presentation::Design design = form.designInBoxes();
        krv1::presentation::StrengthRecords records{krv1::SpecimenShape::Cube, "", true, {}};
        for (int i = 0; i < 15; ++i)
            records.Tests.push_back({"", {std::to_string((i % 2 ? 240 : 360) + i), "", ""}, ""});
        design.Records = records;
        // A long project name shares its row with the day.
        design.Project = "บ้านคุณสมศรี ซอย 5 อาคารพาณิชย์สามชั้นพร้อมดาดฟ้า";
        // The site's own materials, each figure as long as its box takes:
        // two more lines under the records'.
        design.Materials = {krv1::presentation::CementKind::Portland,
                            {"3.051", "2.623", "1.235", "2.679", "0.654", "2.012"}};
        const QString path = folder.filePath(QStringLiteral("site.krv1"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return 2;
        file.write(QByteArray::fromStdString(krv1::presentation::WriteDesign(design)));
        file.close();
        if (!form.openDesignFile(path)) return 2;
    }
    Control<QPushButton>(&form, m::kDetailsCommand)->click();
    krv1::forms::DetailsWindow* details = windows.details.existing();
    if (!details) {
        std::fprintf(stderr, "the details window did not open\n");
        return 2;
    }
    Control<QPushButton>(details, d::kPrintCommand)->click();

    for (const QString& message : messages)
        std::fprintf(stderr, "message: %s\n", qPrintable(message));
    const auto told = [&](std::string_view message) {
        return messages == QStringList{krv1::platform::FromUtf8(message)} && details->isVisible();
    };
    if (expected == QLatin1String("no-printer"))
        return told(krv1::text::report::kNoDefaultPrinter) ? 0 : 1;
    if (expected == QLatin1String("refused"))
        return told(krv1::text::report::kPrinterRefused) ? 0 : 1;
    return messages.isEmpty() ? 0 : 1;
}
