// The program on the command line, run as an engineer's script would run it,
// with no display.
#include <gtest/gtest.h>

#include <QFile>

#include "command_line_fixture.h"
#include "presentation/design_evaluation.h"
#include "presentation/design_file.h"
#include "presentation/site_sheet.h"
#include "tests/support/worked_designs.h"
#include "tests/support/worked_records.h"
#include "text/design_file_texts.h"
#include "text/engine_messages.h"

namespace krv1 {
namespace {

TEST_F(CommandLineTest, TheReportIsTheFortyFourPrintedLines) {
    for (const MixInput& input : {testing::WorkedDesign(), testing::WorkedDesignWithAdmixture()}) {
        const Outcome report = run({QStringLiteral("--report"), design("worked.krv1", input),
                                    QStringLiteral("--date"), QStringLiteral("2026-12-08")});
        EXPECT_EQ(report.status, 0) << report.err;
        std::string expected;
        const auto evaluation =
            presentation::EvaluateDesign({"สมชาย ใจดี", input, {}}, {2026, 12, 8});
        // The account's lines alone: the page's own are the PDF's.
        const auto& lines = evaluation.calculated()->Lines;
        for (std::size_t i = 0; i < presentation::kReportLines; ++i)
            expected += lines[i].Text + "\n";
        EXPECT_EQ(report.out, expected);
    }
}

TEST_F(CommandLineTest, TheSheetAsJsonHasItsKeysAndASettingOutOfRangeIsRefused) {
    presentation::Design design{"", testing::WorkedDesign(), {}};
    design.Site[static_cast<std::size_t>(presentation::SiteSetting::Bucket)] = "18";
    const QString path = folder.filePath("sheet.krv1");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(presentation::WriteDesign(design)));
    file.close();
    const Outcome json = run({"--sheet", path, "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    for (const char* key :
         {"\"per_bag\"", "\"sand_buckets\": 5.34", "\"pour\"", "\"cement_bags\": 7.0", "\"cost\"",
          "\"total\": null", "\"per_m3\": null"})
        EXPECT_NE(json.out.find(key), std::string::npos) << key;

    // The day printed is the one asked for, in the Buddhist era; the
    // settings used follow it, an empty box left out.
    const Outcome dated = run({"--sheet", path, "--date", "2026-12-08"});
    EXPECT_EQ(dated.status, 0) << dated.err;
    EXPECT_EQ(dated.out.substr(0, dated.out.find("เผื่อ")),
              "ตารางผสมคอนกรีตหน้างาน\nวันที่ 8 ธันวาคม 2569\nปริมาตรคอนกรีตที่จะเท (ลบ.ม.)  1\n");
    EXPECT_EQ(dated.out.find("ราคา"), std::string::npos);

    EXPECT_NE(run({"--sheet", path, "--date", "2027-01-31"}).out.find("\nวันที่ 31 มกราคม 2570\n"),
              std::string::npos);

    design.Site[static_cast<std::size_t>(presentation::SiteSetting::Bucket)] = "0";
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray::fromStdString(presentation::WriteDesign(design)));
    file.close();
    const Outcome refused = run({"--sheet", path});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, presentation::RangeMessage(presentation::SiteSetting::Bucket) + "\n");
}

// One file gives the same bytes under any locale: its separators decide.
// ./test.sh generates the two locales.
TEST_F(CommandLineTest, TheFileNotTheEnvironmentDecidesTheFigures) {
    QProcess installed;
    installed.start("locale", {"-a"});
    ASSERT_TRUE(installed.waitForFinished());
    const QString locales = QString::fromLocal8Bit(installed.readAllStandardOutput());
    for (const char* name : {"de_DE.utf8", "th_TH.utf8"})
        ASSERT_TRUE(locales.contains(QString::fromLatin1(name))) << name << " is not generated";
    for (const NumberLocale& separators : {NumberLocale{}, NumberLocale{",", "."}}) {
        presentation::Design design{"", testing::WorkedDesignWithAdmixture(), separators};
        design.Site = {"12", "5", "50", "1400", "1500", "18", "125", "450", "520", "95"};
        const QString path = folder.filePath("priced.krv1");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(presentation::WriteDesign(design)));
        file.close();
        for (const char* mode : {"--report", "--sheet"}) {
            SCOPED_TRACE(std::string(mode) + " with decimal " + separators.DecimalSeparator);
            locale = "C";
            const Outcome plain = run({mode, path});
            ASSERT_EQ(plain.status, 0) << plain.err;
            for (const char* other : {"th_TH.UTF-8", "de_DE.UTF-8"}) {
                locale = QString::fromLatin1(other);
                EXPECT_EQ(run({mode, path}).out, plain.out) << other;
            }
        }
    }
    // A comma design groups its baht with its own point.
    locale = "de_DE.UTF-8";
    EXPECT_NE(run({"--sheet", folder.filePath("priced.krv1")}).out.find("ปูนซีเมนต์  9.375,00 บาท"),
              std::string::npos);
}

// The trial of the file's own boxes: its text and JSON, a box refused as
// the file's fault (2), an adjusted mix refused as the calculation's (3),
// with nothing on standard output.
TEST_F(CommandLineTest, TheTrialAndItsRefusals) {
    const auto tried = [this](const char* name, presentation::TrialInputs boxes) {
        presentation::Design design{"", testing::WorkedDesign(), {}};
        design.Trial = boxes;
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(presentation::WriteDesign(design)));
        return path;
    };
    const QString slump = tried("slump.krv1", {"", "", "", "", "", "10"});
    const Outcome text = run({"--trial", slump});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\nน้ำที่ใช้ออกแบบใหม่  180 ลิตร/ลบ.ม.\n"), std::string::npos) << text.out;
    const Outcome json = run({"--trial", slump, "--json"});
    EXPECT_NE(json.out.find("\"adjusted_water_l\": 180,"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"trial\": null"), std::string::npos);

    const Outcome box = run({"--trial", tried("box.krv1", {"", "", "", "", "", "31"})});
    EXPECT_EQ(box.status, 2);
    EXPECT_EQ(box.err, "ค่ายุบตัวที่วัดได้ต้องอยู่ระหว่าง 0 ถึง 30 ซม.\n");
    const Outcome mix = run({"--trial", tried("mix.krv1", {"", "", "", "", "0.1"})});
    EXPECT_EQ(mix.status, 3);
    EXPECT_EQ(mix.err, "น้ำที่ต้องเติมในส่วนผสมที่ปรับแล้วเป็นค่าลบ กรุณาตรวจสอบน้ำที่ใส่จริงและความชื้นทราย\n");
    EXPECT_TRUE(mix.out.empty());
}

// Fifteen cube tests that earn a margin: the records' text, JSON and PDF,
// the report that takes their margin, and a row that is not a strength,
// refused as the file's fault (2) wherever the margin is needed.
TEST_F(CommandLineTest, TheRecordsAndTheirRefusals) {
    const auto kept = [this](const char* name, const char* secondValue) {
        presentation::Design design{"", testing::WorkedDesign(), {}};
        design.Records = testing::FifteenCubeTests(true, secondValue);
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(presentation::WriteDesign(design)));
        return path;
    };
    const QString good = kept("good.krv1", "307");
    const Outcome text = run({"--records", good});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\nการยอมรับคอนกรีต  ผ่านเกณฑ์การยอมรับ\n"), std::string::npos) << text.out;
    const Outcome json = run({"--records", good, "--json"});
    EXPECT_NE(json.out.find("\"n\": 15,"), std::string::npos) << json.out;
    const Outcome report = run({"--report", good});
    EXPECT_EQ(std::count(report.out.begin(), report.out.end(), '\n'), 45);
    EXPECT_NE(report.out.find("ส่วนเผื่อหรือmargin(14.3 กก./ตร.ซม.))=254  กก./ตร.ซม.\n"),
              std::string::npos)
        << report.out;
    const QString pdf = folder.filePath("records.pdf");
    EXPECT_EQ(run({"--records", good, "-o", pdf}).status, 0);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");

    const QString bad = kept("bad.krv1", "สามร้อย");
    for (const char* action : {"--records", "--report", "--sheet", "--trial"}) {
        const Outcome refused = run({action, bad});
        EXPECT_EQ(refused.status, 2) << action;
        EXPECT_EQ(refused.err, "ผลทดสอบแถวที่ 2 ไม่ถูกต้อง\n") << action;
        EXPECT_TRUE(refused.out.empty());
    }
}

TEST_F(CommandLineTest, EachExitStatus) {
    MixInput refused = testing::WorkedDesign();
    refused.RequiredStrength = "มาก";
    const QString worked = design("worked.krv1", testing::WorkedDesign());
    const QString notJson = folder.filePath("notes.krv1");
    QFile(notJson).open(QIODevice::WriteOnly);
    const QString pdf = folder.filePath("report.pdf");
    // Never written: each command that names it is refused.
    const QString refusedPdf = folder.filePath("refused.pdf");
    const auto wrong = [](const char* problem) {
        return std::string("ใช้คำสั่งไม่ถูกต้อง: ") + problem + "\n";
    };
    const struct {
        QStringList arguments;
        int status;
        std::string message;  // what standard error or output begins with
    } rows[] = {
        {{"--help"}, 0, "วิธีใช้: krv1"},
        {{"--version"}, 0, "KRV1 1.0.0"},
        {{"--report", worked, "-o", pdf}, 0, ""},
        // Each wrong usage says what it is, the option as it was typed.
        {{"--bogus"}, 1, wrong("ไม่รู้จักตัวเลือก --bogus")},
        {{"--bogus=1", worked}, 1, wrong("ไม่รู้จักตัวเลือก --bogus")},
        {{"-x"}, 1, wrong("ไม่รู้จักตัวเลือก -x")},
        {{"--report=x", worked}, 1, wrong("ตัวเลือกนี้ไม่รับค่า: --report")},
        {{"--sheet=x", worked}, 1, wrong("ตัวเลือกนี้ไม่รับค่า: --sheet")},
        {{"--trial=x", worked}, 1, wrong("ตัวเลือกนี้ไม่รับค่า: --trial")},
        {{"--records=x", worked}, 1, wrong("ตัวเลือกนี้ไม่รับค่า: --records")},
        {{"--sheet", worked, "--json=x"}, 1, wrong("ตัวเลือกนี้ไม่รับค่า: --json")},
        {{"--report", worked, "-o"}, 1, wrong("ต้องระบุแฟ้ม PDF หลัง -o")},
        {{"-o", pdf}, 1, wrong("ใช้ -o ได้กับ --report, --sheet, --trial หรือ --records เท่านั้น")},
        {{"--report"}, 1, wrong("ต้องระบุแฟ้มแบบส่วนผสมหลัง --report, --sheet, --trial หรือ --records")},
        {{worked, worked}, 1, wrong("ระบุแฟ้มแบบส่วนผสมได้เพียงแฟ้มเดียว")},
        {{"--sheet", worked, "--date"}, 1, wrong("ต้องระบุวันที่หลัง --date")},
        {{"--sheet", worked, "--date", "2026-02-30"},
         1,
         wrong("วันที่ต้องอยู่ในรูป ปปปป-ดด-วว (ค.ศ.) เช่น 2026-12-08: 2026-02-30")},
        {{"--sheet", worked, "--date", "8/12/2026"},
         1,
         wrong("วันที่ต้องอยู่ในรูป ปปปป-ดด-วว (ค.ศ.) เช่น 2026-12-08: 8/12/2026")},
        {{worked, "--date", "2026-12-08"},
         1,
         wrong("ใช้ --date ได้กับ --report, --sheet, --trial หรือ --records เท่านั้น")},
        {{"--report", folder.filePath("gone.krv1")},
         2,
         std::string(text::design_file::kCannotOpen) + folder.filePath("gone.krv1").toStdString() +
             "\n"},
        {{"--report", "/"}, 2, std::string(text::design_file::kCannotOpen) + "/\n"},
        {{"--report", worked, "-o", ""}, 1, wrong("ต้องระบุแฟ้ม PDF หลัง -o")},
        {{"--report", notJson}, 2, std::string(text::design_file::kNotADesign) + "\n"},
        {{"--report", design("refused.krv1", refused)},
         3,
         std::string(text::kStrengthNotNumber) + "\n"},
        {{"--report", folder.filePath("refused.krv1"), "-o", refusedPdf},
         3,
         std::string(text::kStrengthNotNumber) + "\n"},
        {{"--sheet", worked, "--json", "-o", refusedPdf},
         1,
         wrong("ใช้ --json ได้กับ --sheet, --trial หรือ --records ที่ไม่มี -o เท่านั้น")},
        {{"--records", worked, "--sheet"},
         1,
         wrong("เลือก --report, --sheet, --trial หรือ --records อย่างใดอย่างหนึ่ง")},
        {{"--records", worked}, 2, "แฟ้มนี้ไม่มีผลทดสอบกำลังอัด\n"},
        // Nothing was there before: nothing is said to be kept.
        {{"--report", worked, "-o", folder.filePath("no-folder/report.pdf")},
         4,
         std::string(text::design_file::kWriteFailed) +
             folder.filePath("no-folder/report.pdf").toStdString() + "\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const Outcome result = run(row.arguments);
        EXPECT_EQ(result.status, row.status);
        const std::string& said = row.status == 0 ? result.out : result.err;
        EXPECT_EQ(said.substr(0, row.message.size()), row.message);
        if (row.status >= 2) {
            EXPECT_EQ(result.err, row.message);  // nothing else
        }
    }
    EXPECT_FALSE(QFile::exists(refusedPdf));
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
}

// The site's materials on the command line: the report's two lines after
// the account (figures by hand in tests/engine/materials_test.cpp), the
// method's values typed out giving every output of the empty boxes, and a
// refused box refusing the calculation.
TEST_F(CommandLineTest, TheSiteMaterialsReachEveryOutput) {
    const auto written = [&](const QString& name, const presentation::MaterialTexts& materials) {
        presentation::Design site{"สมชาย ใจดี", testing::WorkedDesign(), {}};
        site.Trial = presentation::TrialInputs{};
        (*site.Trial)[static_cast<std::size_t>(presentation::TrialBox::Slump)] = "9";
        site.Materials = materials;
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(presentation::WriteDesign(site)));
        return path;
    };
    using presentation::CementKind;
    const QString worked = written(
        "worked.krv1", {CementKind::Hydraulic, {"3.05", "2.62", "1.2", "2.68", "0.6", "2.0"}});
    const Outcome report = run({"--report", worked});
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_TRUE(report.out.ends_with(
        "หิน=1115       กิโลกรัม\n"
        "น้ำยาผสมคอนกรีต=0     ซีซี\n"
        "วัสดุ: ปูนซีเมนต์ไฮดรอลิก (มอก. 2594) ถ.พ.=3.05, ทราย ถ.พ.=2.62 ดูดซึม=1.2%, หิน ถ.พ.=2.68\n"
        "หินมีความชื้น=2.0% ค่าการดูดซึม=0.6% มีน้ำมากไป=15.4  กิโลกรัม ชั่งหิน=1115.4  กิโลกรัม\n"))
        << report.out;

    const QString empty = written("empty.krv1", {});
    const QString typed =
        written("typed.krv1", {CementKind::Portland, {"3.15", "2.65", "0.70", "2.7", "", ""}});
    for (const QStringList& output :
         {QStringList{"--report"}, QStringList{"--sheet"}, QStringList{"--sheet", "--json"},
          QStringList{"--trial"}, QStringList{"--trial", "--json"}}) {
        const QStringList dated = output + QStringList{"--date", "2026-12-09"};
        const Outcome fromEmpty = run(dated + QStringList{empty});
        EXPECT_EQ(fromEmpty.status, 0) << fromEmpty.err;
        EXPECT_EQ(run(dated + QStringList{typed}).out, fromEmpty.out)
            << output.join(' ').toStdString();
    }

    const Outcome refused =
        run({"--sheet", written("refused.krv1", {CementKind::Other, {"", "", "", "", "", "2"}})});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.err, "กรุณาระบุค่าการดูดซึมน้ำของหินเมื่อระบุความชื้นของหิน\n");
    EXPECT_EQ(refused.out, "");
}

}  // namespace
}  // namespace krv1
