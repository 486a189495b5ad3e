// A project on the command line: its JSON, its text, its workbook read back
// by openpyxl against the JSON, and what is refused with which status.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <tuple>

#include "command_line_fixture.h"
#include "presentation/project_report.h"
#include "tests/support/worked_project.h"
#include "text/design_file_texts.h"
#include "text/project_texts.h"

namespace krv1 {
namespace {

namespace t = text::project;

class ProjectCommandTest : public CommandLineTest {
public:
    QString written(const QString& name, const std::string& text) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(text));
        return path;
    }
    QString house(const presentation::Project& project = testing::WorkedHouse(),
                  const QString& name = QStringLiteral("house.krv1proj")) {
        return written(name, presentation::WriteProject(project));
    }
};

TEST_F(ProjectCommandTest, TheWorkedHouseAsJsonAndText) {
    const Outcome json = run({"--project", house(), "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    // By hand in tests/presentation/project_test.cpp.
    for (const char* key :
         {"\"cement_bags\": 94", "\"sand_q\": 10", "\"sand_trips\": 2", "\"stone_q\": 13",
          "\"stone_trips\": 3", "\"order_m3\": 4.5", "\"trucks\": 1", "\"co2_total_kg\": null"})
        EXPECT_NE(json.out.find(key), std::string::npos) << key;

    const Outcome text = run({"--project", house(), "--date", "2026-12-09"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(
        text.out.starts_with("โครงการ บ้านคุณสมศรี ซอย 5\nวิศวกร สมชาย ใจดี\nวันที่ 9 ธันวาคม 2569\n"));
    for (const char* line :
         {"\n   หิน หลังปรับความชื้น  1190 กก.\n", "\nปูนซีเมนต์  94 ถุง\n", "\nทรายที่ต้องสั่ง  10 คิว\n",
          "\nคอนกรีต 280 กก./ตร.ซม. ทรงกระบอก 15x30 ซม. ยุบตัว 7.5 ซม. หิน 3/4 นิ้ว น้ำยา 300 "
          "ซีซี/100 กก.\nปริมาตรที่ใช้  4.41 ลบ.ม.\nปริมาตรที่สั่ง  4.5 ลบ.ม.\nรถคอนกรีต  1 คัน\n"})
        EXPECT_NE(text.out.find(line), std::string::npos) << line;
}

// Every figure cell of the workbook is the JSON's figure, as a number; every
// caption stands in a cell of its own.
TEST_F(ProjectCommandTest, TheWorkbookHoldsTheJsonsFigures) {
    presentation::Project project = testing::WorkedHouse();
    project.Settings[static_cast<std::size_t>(presentation::ProjectSetting::Co2Cement)] = "0.8";
    // A price on the slab: the order's cost is its, without the others'.
    project.Elements[2]
        .Design.Site[static_cast<std::size_t>(presentation::SiteSetting::PriceCement)] = "140";
    const QString path = house(project);
    const QString book = folder.filePath("house.xlsx");
    const Outcome written = run({"--project", path, "-o", book});
    ASSERT_EQ(written.status, 0) << written.err;
    const Outcome json = run({"--project", path, "--json"});
    const QString figures = this->written("house.json", json.out);

    QJsonArray order, cells;
    for (const presentation::OrderRow& row :
         presentation::OrderFigureRows(std::get<presentation::ProjectEvaluation>(
             presentation::EvaluateProject(project, {2026, 12, 9})))) {
        if (row.Is == presentation::SheetRow::Kind::Figure)
            order.append(QString::fromStdString(row.Caption));
        cells.append(QString::fromStdString(row.Caption));
    }
    for (std::string_view caption : {t::kCaption, t::kSupply, t::kRequired, t::kSpecimen, t::kUnit,
                                     t::kTarget, t::kRatio, t::kRefusal})
        cells.append(QString::fromUtf8(caption.data(), caption.size()));
    const QString captions = this->written(
        "captions.json",
        QJsonDocument(
            QJsonObject{
                {"order", order},
                {"cells", cells},
                {"first_pour",
                 QString::fromUtf8(
                     presentation::SiteFigureRows()[static_cast<std::size_t>(
                                                        presentation::SiteFigure::OrderVolume)]
                         .Caption.data())}})
            .toJson()
            .toStdString());
    QProcess check;
    check.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral(KRV1_SOURCE_DIR "/tests/app/check_project_workbook.py"), book,
                 figures, captions});
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString()
                                   << check.readAllStandardError().toStdString();
}

TEST_F(ProjectCommandTest, WhatIsRefusedAndWithWhichStatus) {
    presentation::Project refusedElement = testing::WorkedHouse();
    refusedElement.Elements[1].Design.Input.RequiredStrength = "สูง";
    presentation::Project truck = testing::WorkedHouse();
    truck.Settings[static_cast<std::size_t>(presentation::ProjectSetting::ReadyTruck)] = "13";
    std::string badKey = presentation::WriteProject(testing::WorkedHouse());
    badKey.replace(badKey.find("\"moisture\""), 10, "\"wetness\"");
    const std::string incomplete(text::design_file::kIncomplete);
    const struct {
        const char* name;
        QStringList arguments;
        int status;
        std::string err;  // empty: not compared
    } rows[] = {
        {"no such file", {"--project", folder.filePath("none.krv1proj")}, 2, {}},
        {"a key missing",
         {"--project", written("bad.krv1proj", badKey)},
         2,
         incomplete + "elements[0].design.moisture\n"},
        {"a setting out of range",
         {"--project", house(truck, "truck.krv1proj")},
         2,
         "ความจุรถคอนกรีตผสมเสร็จ (ลบ.ม./คัน) ต้องมากกว่า 0 และไม่เกิน 12\n"},
        {"an element refused is no failure",
         {"--project", written("one.krv1proj", presentation::WriteProject(refusedElement)),
          "--json"},
         0,
         ""},
        {"neither a workbook nor a pdf",
         {"--project", house(), "-o", folder.filePath("house.txt")},
         1,
         {}},
        {"a folder that is not there",
         {"--project", house(), "-o", folder.filePath("none/house.xlsx")},
         4,
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = run(row.arguments);
        EXPECT_EQ(outcome.status, row.status) << outcome.err;
        if (!row.err.empty() || row.status == 0) EXPECT_EQ(outcome.err, row.err);
    }
}

// The disk fills while a workbook is written over an earlier one: the earlier
// one stays whole.
TEST_F(ProjectCommandTest, AFullDiskLeavesTheEarlierWorkbookWhole) {
    const QString book = folder.filePath("house.xlsx");
    ASSERT_EQ(run({"--project", house(), "-o", book}).status, 0);
    QFile earlier(book);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray before = earlier.readAll();
    earlier.close();
    presentation::Project bigger = testing::WorkedHouse();
    for (int i = 0; i < 40; ++i) bigger.Elements.push_back(bigger.Elements[i % 3]);
    const Outcome full = run({"--project", house(bigger, "bigger.krv1proj"), "-o", book}, [] {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_IGN);
    });
    EXPECT_EQ(full.status, 4);
    EXPECT_NE(full.err.find(text::design_file::kEarlierFileKept), std::string::npos) << full.err;
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), before);
}

// The pages: the orders, then the comparison three elements a page, every
// line's Thai read back as written.
TEST_F(ProjectCommandTest, ThePdfHoldsTheOrdersThenTheComparison) {
    presentation::Project seven = testing::WorkedHouse();
    for (int i = 0; i < 4; ++i) {
        seven.Elements.push_back(seven.Elements[i % 3]);
        seven.Elements.back().Name += " ชั้น " + std::to_string(i + 2);
    }
    for (const auto& [name, project, pages] :
         {std::tuple{"house", testing::WorkedHouse(), 2}, std::tuple{"seven", seven, 4}}) {
        SCOPED_TRACE(name);
        const QString pdf = folder.filePath(QString::fromLatin1(name) + ".pdf");
        const Outcome written =
            run({"--project", house(project, QString::fromLatin1(name) + ".krv1proj"), "-o", pdf});
        ASSERT_EQ(written.status, 0) << written.err;
        QProcess info, text;
        info.start("pdfinfo", {pdf});
        text.start("pdftotext", {"-raw", pdf, "-"});
        ASSERT_TRUE(info.waitForFinished() && text.waitForFinished());
        EXPECT_TRUE(info.readAllStandardOutput().contains(QByteArray("Pages:           ") +
                                                          QByteArray::number(pages)));
        const std::string read = text.readAllStandardOutput().toStdString();
        for (const presentation::ProjectElement& element : project.Elements)
            EXPECT_NE(read.find(element.Name + " ("), std::string::npos) << element.Name;
        EXPECT_NE(read.find("วัสดุที่ต้องสั่ง (ผสมเองที่หน้างาน)\n"), std::string::npos) << read;
        EXPECT_NE(read.find("หิน หลังปรับความชื้น กก. 1110 1135 1190\n"), std::string::npos) << read;
    }
}

}  // namespace
}  // namespace krv1
