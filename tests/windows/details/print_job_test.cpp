#include <deque>

#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "main/main_window_fixture.h"
#include "presentation/report_lines.h"
#include "recording_printer.h"
#include "text/details_texts.h"
#include "text/report_texts.h"

namespace krv1::testing {
namespace {

namespace d = forms::details_controls;
using V = presentation::DetailsValue;

class PrintJobTest : public MainWindowTest {
public:
    void SetUp() override {
        MainWindowTest::SetUp();
        enterWorkedDesign();
        type(m::kEngineerBox, QString::fromUtf8("สมชาย ใจดี"));
        calculate();
        control<QPushButton>(m::kDetailsCommand)->click();
        details = windows->details.existing();
        details->setPrinterSource([this]() -> std::unique_ptr<platform::Printer> {
            if (!printerPresent) return nullptr;
            jobs.emplace_back();
            return std::make_unique<RecordingPrinter>(jobs.back(), printerAccepts);
        });
    }
    void print() { Find<QPushButton>(details, d::kPrintCommand)->click(); }

    forms::DetailsWindow* details = nullptr;
    std::deque<PrintJob> jobs;
    bool printerPresent = true;
    bool printerAccepts = true;
};

TEST_F(PrintJobTest, TheReportGoesToThePrinterLineForLineInOneJob) {
    print();
    ASSERT_EQ(jobs.size(), 1u);
    const PrintJob& job = jobs.front();
    EXPECT_TRUE(job.ended);
    const std::vector<presentation::ReportLine> report = presentation::ReportLines(
        presentation::DetailsValueTexts(form->calculated()->Input, form->calculated()->Design, {}),
        {"สมชาย ใจดี", "", documents::PrintingDay()});
    ASSERT_EQ(job.lines.size(), report.size());
    for (std::size_t i = 0; i < report.size(); ++i) {
        const PrintedLine& line = job.lines[i];
        EXPECT_EQ(line.x, report[i].X) << "line " << i + 1;
        EXPECT_EQ(line.y, report[i].Y) << "line " << i + 1;
        EXPECT_EQ(line.bold, report[i].Bold) << "line " << i + 1;
        EXPECT_EQ(line.text, Q(report[i].Text)) << "line " << i + 1;
        EXPECT_EQ(line.font, QStringLiteral("CordiaUPC"));
        EXPECT_EQ(line.size, 16);
    }
}

TEST_F(PrintJobTest, LinesJoinTheCaptionsAsTheWindowShowsThem) {
    print();
    const std::vector<PrintedLine>& lines = jobs.front().lines;
    EXPECT_EQ(lines[0].text, Q(text::report::kTitle));
    EXPECT_EQ(lines[1].text, QString::fromUtf8(" วิศวกร : สมชาย ใจดี"));
    EXPECT_EQ(lines[2].text, QString::fromUtf8("กำลังอัดที่ต้องการ=240  กก./ตร.ซม."));
    // Line 4 keeps the 28 blanks inside the target strength caption.
    EXPECT_EQ(lines[3].text,
              Q(text::details::kTargetStrength) + QString::fromUtf8("300  กก./ตร.ซม."));
    EXPECT_TRUE(lines[3].text.contains(QString(28, QLatin1Char(' ')) + QLatin1Char('(')));
    EXPECT_EQ(lines[7].text,
              QString::fromUtf8("1. ปริมาณน้ำที่ใช้เมื่อไม่ใส่น้ำยาผสมคอนกรีต=190  ลิตร/ลบ.ม. คอนกรีต"));
    EXPECT_EQ(lines[8].text, QStringLiteral("2. W/C=0.61"));
    EXPECT_EQ(lines[12].text, QString::fromUtf8("จะได้ปริมาตรซีเมนต์+ทราย 400  ลิตร"));
    EXPECT_EQ(lines[34].text, QString::fromUtf8("4.นั่นคือทราย 800       กิโลกรัม"));
    EXPECT_EQ(lines[18].text, Q(text::report::kBannerBeforeRounding));
    EXPECT_EQ(lines[38].text, Q(text::report::kBannerFinalMix));
    EXPECT_EQ(lines[43].text, QString::fromUtf8("น้ำยาผสมคอนกรีต=0     ซีซี"));
}

TEST_F(PrintJobTest, EverySetUpIsRepeatedAndTwoClicksGiveTwoIdenticalJobs) {
    print();
    print();
    ASSERT_EQ(jobs.size(), 2u);
    const QStringList& ops = jobs[0].operations;
    EXPECT_EQ(ops.mid(0, 5),
              (QStringList{"paper A4", "portrait", "font CordiaUPC", "bold on", "size 16"}));
    EXPECT_EQ(ops.mid(5, 3), (QStringList{"x 3900", "y 800", "print"}));
    EXPECT_EQ(ops.mid(8, 4), (QStringList{"x 1000", "y 1400", "bold off", "print"}));
    // Bold again for the final mix, and off once more for the page's own
    // lines under it.
    EXPECT_EQ(ops.count(QStringLiteral("bold on")), 2);
    EXPECT_EQ(ops.count(QStringLiteral("bold off")), 2);
    EXPECT_EQ(ops.last(), QStringLiteral("end"));
    EXPECT_EQ(jobs[1].operations, jobs[0].operations);
    for (std::size_t i = 0; i < jobs[0].lines.size(); ++i)
        EXPECT_EQ(jobs[1].lines[i].text, jobs[0].lines[i].text);
}

TEST_F(PrintJobTest, TheEngineerNameIsReadAtTheClick) {
    type(m::kEngineerBox, QString::fromUtf8("วิภา"));
    print();
    EXPECT_EQ(jobs.front().lines[1].text, QString::fromUtf8(" วิศวกร : วิภา"));
    type(m::kEngineerBox, QString());
    print();
    EXPECT_EQ(jobs.back().lines[1].text, QString::fromUtf8(" วิศวกร : "));
}

TEST_F(PrintJobTest, ANewCalculationIsPrintedOnlyAfterTheDetailsAreShownAgain) {
    type(m::kMoistureBox, QStringLiteral("3"));
    calculate();
    print();
    EXPECT_EQ(jobs.back().lines[31].text, QString::fromUtf8("1.เนื่องจากกำหนดทรายมีความชื้น=5%"));
    control<QPushButton>(m::kDetailsCommand)->click();
    print();
    EXPECT_EQ(jobs.back().lines[31].text, QString::fromUtf8("1.เนื่องจากกำหนดทรายมีความชื้น=3%"));
}

TEST_F(PrintJobTest, ARefusedDesignLeavesTheReportOfTheLastGoodOne) {
    type(m::kStrengthBox, QStringLiteral("500"));
    MessageRecorder messages;
    calculate();
    ASSERT_EQ(messages.texts().size(), 1);
    control<QPushButton>(m::kDetailsCommand)->click();
    print();
    EXPECT_EQ(jobs.back().lines[2].text, QString::fromUtf8("กำลังอัดที่ต้องการ=240  กก./ตร.ซม."));
    EXPECT_EQ(jobs.back().lines[3].text,
              Q(text::details::kTargetStrength) + QString::fromUtf8("300  กก./ตร.ซม."));
}

TEST_F(PrintJobTest, NoDefaultPrinterIsToldAndTheProgramGoesOn) {
    printerPresent = false;
    MessageRecorder messages;
    print();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.titles().first(), QStringLiteral("KRV1"));
    EXPECT_EQ(messages.texts().first(), Q(text::report::kNoDefaultPrinter));
    EXPECT_TRUE(details->isVisible());
    printerPresent = true;
    print();
    EXPECT_EQ(jobs.size(), 1u);
    EXPECT_EQ(messages.texts().size(), 1);
}

TEST_F(PrintJobTest, ARefusedJobIsToldAndTheProgramGoesOn) {
    printerAccepts = false;
    MessageRecorder messages;
    print();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().first(), Q(text::report::kPrinterRefused));
    EXPECT_EQ(Find<platform::FormLabel>(details, forms::ValueLabel(V::WaterCementRatio))->caption(),
              QStringLiteral("0.61"));
}

}  // namespace
}  // namespace krv1::testing
