// The strength records window, driven from the main window: rows pasted
// from a spreadsheet, the box that takes their margin into the design at
// once, the records kept with the design, and what the table refuses.
#include "forms/strength_records/records_window.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include "forms/details/details_window_layout.h"
#include "forms/strength_records/records_window_layout.h"
#include "main_window_fixture.h"
#include "tests/support/worked_records.h"
#include "text/design_file_texts.h"
#include "text/menu_texts.h"
#include "text/strength_records_texts.h"

namespace krv1::testing {
namespace {

namespace k = forms::records_controls;

class RecordsWindowTest : public MainWindowTest {
public:
    void trigger(std::string_view item) {
        for (QAction* action : form->menuBar()->findChildren<QAction*>())
            if (action->text() == Q(item)) action->trigger();
    }
    forms::RecordsWindow* records() const { return windows->records.existing(); }
    QString foot() const { return Find<platform::FormLabel>(records(), k::kFoot)->caption(); }
    QString targetCaption() {
        control<QPushButton>(m::kDetailsCommand)->click();
        return Find<platform::FormLabel>(windows->details.existing(),
                                         forms::details_controls::kTargetStrengthCaption)
            ->caption();
    }
};

TEST_F(RecordsWindowTest, PastedRecordsEarnTheMarginTheDesignUses) {
    enterWorkedDesign();
    calculate();
    trigger(text::records::kMenuItem);
    ASSERT_NE(records(), nullptr);
    // Fifteen cube tests as a spreadsheet copies them, CR LF and all.
    QString rows;
    for (int i = 0; i < 15; ++i)
        rows += QStringLiteral("%1/1/2569\t%2\r\n").arg(i + 1).arg(300 + (i * 7) % 30);
    QApplication::clipboard()->setText(rows);
    auto* table = Find<QTableView>(records(), k::kTable);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(table->model()->rowCount(), 15);
    EXPECT_EQ(form->calculated()->Design.State.F, 300);  // the box is off: 240 + 60
    EXPECT_EQ(caption(m::kMarginNotice), QString());

    // Ticking recalculates at once with the records' margin, and the main
    // window says so under its results.
    Find<QCheckBox>(records(), k::kUseMarginCheck)->click();
    EXPECT_EQ(form->calculated()->Design.State.F, 254);
    EXPECT_EQ(caption(m::kMarginNotice),
              QString::fromUtf8("ใช้ส่วนเผื่อจากผลทดสอบ 14.3 กก./ตร.ซม. แทน 60"));
    EXPECT_EQ(targetCaption(), QString::fromUtf8("กำลังอัดที่ต้องผลิต                            "
                                                 "(กำลังอัดที่ต้องการ+ส่วนเผื่อหรือmargin(14.3 "
                                                 "กก./ตร.ซม.))="));

    // The records travel with the design, and krv1 --records of the saved
    // file gives the window's text.
    ASSERT_TRUE(form->designInBoxes().Records);
    EXPECT_EQ(*form->designInBoxes().Records, records()->records());
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("site.krv1"));
    QFile design(file);
    ASSERT_TRUE(design.open(QIODevice::WriteOnly));
    design.write(QByteArray::fromStdString(presentation::WriteDesign(form->designInBoxes())));
    design.close();
    QProcess program;
    program.start(QStringLiteral(KRV1_PROGRAM), {QStringLiteral("--records"), file});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.readAllStandardOutput().toStdString(), records()->plainText());

    // A value that is no strength names its row and keeps the design's margin.
    const std::string shown = records()->plainText();
    table->model()->setData(table->model()->index(1, 2), QStringLiteral("สูง"));
    EXPECT_EQ(foot(), QString::fromUtf8("ผลทดสอบแถวที่ 2 ไม่ถูกต้อง"));
    EXPECT_EQ(records()->plainText(), shown);
    EXPECT_EQ(form->calculated()->Design.State.F, 254);

    // Clearing the box gives back the method's 60.
    table->model()->setData(table->model()->index(1, 2), QString());
    Find<QCheckBox>(records(), k::kUseMarginCheck)->click();
    EXPECT_EQ(form->calculated()->Design.State.F, 300);

    // A new design asks first, as the records exist nowhere else, then
    // clears them and hides their window.
    answer(platform::SaveAnswer::DontSave);
    trigger(text::menu::kNewDesign);
    EXPECT_EQ(questions, QStringList{Q(text::design_file::kSaveBeforeNewQuestion)});
    EXPECT_FALSE(records()->isVisible());
    EXPECT_FALSE(form->designInBoxes().Records);
}

// An open window follows each calculation, shows an opened design's own
// box, flags what it refuses, and shows nothing of a design before the one
// whose records it refuses.
TEST_F(RecordsWindowTest, FollowsEachDesignAndShowsNothingOfAnother) {
    QTemporaryDir folder;
    const auto saved = [&](const char* name, const char* second, bool useMargin) {
        presentation::Design design = form->designInBoxes();
        design.Records = testing::FifteenCubeTests(useMargin, second);
        const QString file = folder.filePath(QString::fromLatin1(name));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(presentation::WriteDesign(design)));
        return file;
    };
    enterWorkedDesign();
    const QString margin = saved("margin.krv1", "307", true);
    const QString refused = saved("refused.krv1", "สูง", false);

    // Opened before the window: the window shows the box ticked.
    ASSERT_TRUE(form->openDesignFile(margin));
    trigger(text::records::kMenuItem);
    auto* useMargin = Find<QCheckBox>(records(), k::kUseMarginCheck);
    EXPECT_TRUE(useMargin->isChecked());
    // The cube records read the cube design's f'c as typed, then as retyped.
    const auto required = [this] {
        const std::string text = records()->plainText();
        const std::size_t at = text.find("f'c)  ");
        return at == std::string::npos ? std::string() : text.substr(at + 6, 5);
    };
    EXPECT_EQ(required(), "240.0");
    type(m::kStrengthBox, QStringLiteral("280"));
    calculate();
    EXPECT_EQ(required(), "280.0");

    // A specified strength that is none flags its own box, and only it.
    auto* specified = Find<platform::FormTextBox>(records(), k::kSpecifiedBox);
    specified->setFocus();
    QTest::keyClicks(specified, QStringLiteral("x"));
    EXPECT_EQ(foot(), QString::fromUtf8("กำลังอัดที่กำหนดของคอนกรีตในผลทดสอบต้องเป็นตัวเลขที่มากกว่า 0"));
    EXPECT_TRUE(specified->isFlagged());
    specified->selectAll();
    QTest::keyClick(specified, Qt::Key_Delete);
    EXPECT_FALSE(specified->isFlagged());

    // Records refused, opened while the window shows another's figures.
    ASSERT_FALSE(records()->plainText().empty());
    ASSERT_TRUE(form->openDesignFile(refused));
    EXPECT_EQ(foot(), QString::fromUtf8("ผลทดสอบแถวที่ 2 ไม่ถูกต้อง"));
    EXPECT_FALSE(useMargin->isChecked());
    EXPECT_EQ(records()->plainText(), "");
    EXPECT_EQ(records()->copiedText(), "");
    EXPECT_EQ(Find<platform::FormLabel>(records(), k::kVerdict)->caption(), QString());
    // Reopened with the window up: ticked again, and its figures back.
    ASSERT_TRUE(form->openDesignFile(margin));
    EXPECT_TRUE(useMargin->isChecked());
    EXPECT_EQ(required(), "240.0");
}

TEST_F(RecordsWindowTest, ACellThatCouldNotBeKeptIsRefusedAndSaid) {
    trigger(text::records::kMenuItem);
    auto* table = Find<QTableView>(records(), k::kTable);
    Find<QPushButton>(records(), k::kAddRowCommand)->click();
    const struct {
        QString text;
        bool taken;
    } kCells[] = {
        {QString::fromUtf8("3 ม.ค. 2569"), true},
        {QStringLiteral("a\u202Eb"), false},     // turns the Thai around
        {QString(61, QLatin1Char('x')), false},  // longer than a file keeps
        {QStringLiteral("line\tbreak"), false},
    };
    for (const auto& cell : kCells) {
        EXPECT_EQ(table->model()->setData(table->model()->index(0, 0), cell.text), cell.taken);
        EXPECT_EQ(foot().isEmpty(), cell.taken) << cell.text.toStdString();
        table->model()->setData(table->model()->index(0, 0), QString());
    }
    EXPECT_EQ(records()->records().Tests.front().Date, "");
}

}  // namespace
}  // namespace krv1::testing
