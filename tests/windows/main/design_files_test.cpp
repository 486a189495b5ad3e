// Design files through the main window: save and open, refusals, the
// unsaved-changes question, recent designs and the report as PDF.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "main_window_fixture.h"
#include "platform/files.h"
#include "presentation/details_values.h"
#include "presentation/report_lines.h"
#include "text/design_file_texts.h"
#include "text/menu_texts.h"
#include "text/site_sheet_texts.h"

namespace krv1::testing {
namespace {

namespace f = text::design_file;
using platform::SaveAnswer;

class DesignFilesTest : public MainWindowTest {
public:
    void SetUp() override {
        MainWindowTest::SetUp();
        previousDialogs = platform::SetFileDialogSink(
            [this](auto, const QString&, const QString&) { return chosenPath; });
    }
    void TearDown() override {
        platform::SetFileDialogSink(previousDialogs);
        MainWindowTest::TearDown();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Everything an engineer sees of the design.
    QStringList visibleState() const {
        return resultTexts() << form->windowTitle()
                             << platform::FromUtf8(presentation::WriteDesign(form->designInBoxes()))
                             << QString::number(control(m::kDetailsCommand)->isEnabled());
    }

    QTemporaryDir folder;
    QString chosenPath;
    platform::FileDialogSink previousDialogs;
};

TEST_F(DesignFilesTest, ASavedDesignOpensAsItWasAndIsCalculated) {
    type(m::kEngineerBox, QString::fromUtf8("สมชาย ใจดี"));
    type(m::kProjectBox, QString::fromUtf8("บ้านคุณสมศรี ซอย 5"));
    enterWorkedDesignWithAdmixture();
    const QStringList calculated = (calculate(), resultTexts());
    chosenPath = path(QStringLiteral("slab.krv1"));
    ASSERT_TRUE(form->saveDesignAs());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("KRV1 - slab.krv1"));

    type(m::kStrengthBox, QStringLiteral("300"));
    type(m::kProjectBox, QStringLiteral("x"));
    control<platform::FormOptionButton>(m::kWithoutAdmixtureOption)->click();
    answer(SaveAnswer::DontSave);
    ASSERT_TRUE(form->openDesign());
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(control<platform::FormTextBox>(m::kProjectBox)->text(),
              QString::fromUtf8("บ้านคุณสมศรี ซอย 5"));
    EXPECT_EQ(control<platform::FormTextBox>(m::kStrengthBox)->text(), QStringLiteral("240"));
    EXPECT_TRUE(control<platform::FormOptionButton>(m::kWithAdmixtureOption)->isChecked());
    EXPECT_TRUE(control(m::kDosageBox)->isEnabled());
    EXPECT_EQ(resultTexts(), calculated);
}

TEST_F(DesignFilesTest, ACommaDecimalFileIsReadWithItsOwnSeparators) {
    writeFile(QStringLiteral("comma.krv1"),
              R"({"format": "krv1-design", "version": 1, "decimal": ",", "group": ".",
                  "engineer": "", "inputs": {"strength": "240", "shape": "cube",
                  "admixture": "without", "dosage": "", "slump": "7.5", "stone": "3/4",
                  "moisture": "5,0"}})");
    ASSERT_TRUE(form->openDesignFile(path(QStringLiteral("comma.krv1"))));
    EXPECT_EQ(caption(m::kAfterCorrectionResults[2]), QString::fromUtf8("835      กิโลกรัม"));
}

TEST_F(DesignFilesTest, ARefusedFileLeavesEverythingAsItWas) {
    const QByteArray good = R"({"format": "krv1-design", "version": 1, "engineer": "",
        "inputs": {"strength": "240", "shape": "cube", "admixture": "without", "dosage": "",
                   "slump": "7.5", "stone": "3/4", "moisture": "5"}})";
    const auto with = [&](const char* from, const char* to) {
        return QByteArray(good).replace(from, to);
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QString message;
    } rows[] = {
        {"notes.krv1", "ปูน 7 ถุง", Q(f::kNotADesign)},
        {"other.krv1", with("krv1-design", "recipe"), Q(f::kNotADesign)},
        {"newer.krv1", with("\"version\": 1", "\"version\": 4"), Q(f::kNewerVersion)},
        {"nostone.krv1", with(", \"stone\": \"3/4\"", ""), Q(f::kIncomplete) + "stone"},
        {"sphere.krv1", with("\"cube\"", "\"sphere\""), Q(f::kIncomplete) + "shape"},
        {"huge.krv1", QByteArray(presentation::kLargestDesignBytes + 1, ' '), Q(f::kTooLarge)},
    };
    enterWorkedDesign();
    calculate();
    const QStringList before = visibleState();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeFile(QString::fromLatin1(row.name), row.bytes);
        MessageRecorder messages;
        EXPECT_FALSE(form->openDesignFile(path(QString::fromLatin1(row.name))));
        EXPECT_EQ(messages.texts(), QStringList{row.message});
        EXPECT_EQ(visibleState(), before);
    }
    // Gone, a folder, a FIFO that no one writes to: refused at once, by path.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe.krv1"))).constData(), 0600), 0);
    for (const QString& gone :
         {path(QStringLiteral("gone.krv1")), folder.path(), path(QStringLiteral("pipe.krv1"))}) {
        SCOPED_TRACE(gone.toStdString());
        MessageRecorder messages;
        EXPECT_FALSE(form->openDesignFile(gone));
        EXPECT_EQ(messages.texts(), QStringList{Q(f::kCannotOpen) + gone});
        EXPECT_EQ(visibleState(), before);
    }
}

TEST_F(DesignFilesTest, AFailedSaveSaysSoAndChangesNothing) {
    enterWorkedDesign();
    QDir(folder.path()).mkdir(QStringLiteral("taken.krv1"));
    writeFile(QStringLiteral("taken.krv1/inside"), "kept");
    // Nothing was there, or no file: nothing is said to be kept.
    for (const QString& target :
         {path(QStringLiteral("no-such-folder/a.krv1")), path(QStringLiteral("taken.krv1"))}) {
        SCOPED_TRACE(target.toStdString());
        chosenPath = target;
        MessageRecorder messages;
        EXPECT_FALSE(form->saveDesignAs());
        EXPECT_EQ(messages.texts(), QStringList{Q(f::kWriteFailed) + target});
        EXPECT_EQ(form->windowTitle(), QStringLiteral("KRV1"));
        EXPECT_TRUE(form->designPath().isEmpty());
    }
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("taken.krv1/inside"))));
}

// The disk fills while a changed design is saved over its file: the file is
// as it was, no temporary file is left, and the engineer is told.
TEST_F(DesignFilesTest, AFullDiskLeavesTheSavedDesignWhole) {
    enterWorkedDesign();
    chosenPath = path(QStringLiteral("slab.krv1"));
    ASSERT_TRUE(form->saveDesignAs());
    QFile saved(chosenPath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray earlier = saved.readAll();
    saved.close();
    type(m::kMoistureBox, QStringLiteral("3"));

    rlimit unlimited{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const auto previousSignal = ::signal(SIGXFSZ, SIG_IGN);
    // Every write of the file fits the buffer; only the last one, at the
    // save's end, reaches the limit.
    const rlimit limit{static_cast<rlim_t>(earlier.size() / 2), unlimited.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    MessageRecorder messages;
    const bool savedAgain = form->saveDesign();
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    ::signal(SIGXFSZ, previousSignal);

    EXPECT_FALSE(savedAgain);
    EXPECT_EQ(messages.texts(),
              QStringList{Q(f::kWriteFailed) + chosenPath + u'\n' + Q(f::kEarlierFileKept)});
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"slab.krv1"});
}

TEST_F(DesignFilesTest, ARecentListOfAnyLengthShowsFive) {
    QStringList many;
    for (int i = 0; i < 20000; ++i) many << path(QStringLiteral("d%1.krv1").arg(i));
    QSettings().setValue(QStringLiteral("recentDesigns"), many);
    form.reset();
    windows.reset();
    openWindows();
    int recentItems = 0;
    for (QAction* action : form->menuBar()->findChildren<QAction*>())
        recentItems += action->text().endsWith(QStringLiteral(".krv1"));
    EXPECT_EQ(recentItems, 5);
}

// The engineer's box takes no more than a design file keeps.
TEST_F(DesignFilesTest, TheEngineersAndProjectsBoxesTakeOnlyAHarmlessName) {
    for (const char* name : {m::kEngineerBox, m::kProjectBox}) {
        SCOPED_TRACE(name);
        auto* box = control<platform::FormTextBox>(name);
        // insert() is what typing and pasting do: the box's rules apply.
        box->insert(QString(61, QChar(0x0E01)));  // ก
        EXPECT_EQ(box->text(), QString(60, QChar(0x0E01)));
        box->setText(QString::fromUtf8("สม"));
        box->insert(QStringLiteral("\u202Eabc"));
        box->insert(QStringLiteral("\x1b]0;x\x07"));
        EXPECT_EQ(box->text(), QString::fromUtf8("สม"));
        box->insert(QString::fromUtf8(" ใจดี"));
        EXPECT_EQ(box->text(), QString::fromUtf8("สม ใจดี"));
    }
}

TEST_F(DesignFilesTest, ClosingWithUnsavedChangesAsks) {
    enterWorkedDesign();
    chosenPath = path(QStringLiteral("footing.krv1"));
    ASSERT_TRUE(form->saveDesignAs());
    type(m::kMoistureBox, QStringLiteral("3"));

    answer(SaveAnswer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(questions, QStringList{Q(f::kSaveChangesQuestion)});

    answer(SaveAnswer::Save);
    EXPECT_TRUE(form->close());
    QFile saved(chosenPath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\"moisture\": \"3\""));
}

TEST_F(DesignFilesTest, ClosingUnchangedOrWithNoFileAsksNothing) {
    enterWorkedDesign();
    EXPECT_TRUE(form->close());  // no file open: the question sink would fail the test
}

TEST_F(DesignFilesTest, TheNewestDesignHeadsTheRecentList) {
    enterWorkedDesign();
    QStringList saved;
    for (const char* name : {"a.krv1", "b.krv1", "c.krv1", "d.krv1", "e.krv1", "f.krv1"}) {
        chosenPath = path(QString::fromLatin1(name));
        ASSERT_TRUE(form->saveDesignAs());
        saved.prepend(chosenPath);
    }
    chosenPath = path(QStringLiteral("c.krv1"));
    ASSERT_TRUE(form->saveDesignAs());
    saved.removeAll(chosenPath);
    saved.prepend(chosenPath);
    EXPECT_EQ(QSettings().value(QStringLiteral("recentDesigns")).toStringList(), saved.mid(0, 5));
}

// While results show, what belongs to them stays at hand after a refusal.
TEST_F(DesignFilesTest, ARefusalLeavesTheResultsMenuItemsOn) {
    const auto item = [this](std::string_view text) -> QAction* {
        for (QAction* action : form->menuBar()->findChildren<QAction*>())
            if (action->text() == platform::FromUtf8(text)) return action;
        return nullptr;
    };
    QAction* reportPdf = item(text::menu::kSaveReportPdf);
    QAction* sheet = item(text::site_sheet::kMenuItem);
    ASSERT_TRUE(reportPdf && sheet);
    EXPECT_FALSE(reportPdf->isEnabled() || sheet->isEnabled());
    enterWorkedDesign();
    calculate();
    type(m::kStrengthBox, QStringLiteral("มาก"));
    MessageRecorder messages;
    calculate();
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(reportPdf->isEnabled());
    EXPECT_TRUE(sheet->isEnabled());
}

QAction* MenuItem(QMainWindow* form, std::string_view text) {
    for (QAction* action : form->menuBar()->findChildren<QAction*>())
        if (action->text() == platform::FromUtf8(text)) return action;
    return nullptr;
}

// A new design asks its own question over a changed file, then every box is
// empty, the results and the secondary windows are gone and no file is
// open; the engineer stays. The last calculation comes back from the
// settings, calculated, as no file.
TEST_F(DesignFilesTest, ANewDesignStartsAfreshAndTheLastCalculationComesBack) {
    type(m::kEngineerBox, QString::fromUtf8("วิภา"));
    enterWorkedDesign();
    chosenPath = path(QStringLiteral("slab.krv1"));
    ASSERT_TRUE(form->saveDesignAs());
    calculate();
    const QString calculatedPanel =
        control<platform::FormLabel>(m::kAfterCorrectionResults[2])->text();
    form->showSiteSheet();
    type(m::kMoistureBox, QStringLiteral("3"));
    answer(SaveAnswer::DontSave);
    MenuItem(form.get(), text::menu::kNewDesign)->trigger();
    EXPECT_EQ(questions, QStringList{Q(f::kSaveBeforeNewQuestion)});
    for (const char* box : {m::kStrengthBox, m::kMoistureBox, m::kDosageBox})
        EXPECT_TRUE(control<platform::FormTextBox>(box)->text().isEmpty()) << box;
    EXPECT_FALSE(control<platform::FormOptionButton>(m::kCubeOption)->isChecked());
    EXPECT_EQ(control<platform::FormDropDownList>(m::kSlumpList)->currentIndex(), -1);
    EXPECT_TRUE(control<platform::FormLabel>(m::kAfterCorrectionResults[2])->text().isEmpty());
    EXPECT_FALSE(control<QWidget>(m::kDetailsCommand)->isEnabled());
    EXPECT_FALSE(windows->siteSheet.existing() && windows->siteSheet.existing()->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("KRV1"));
    EXPECT_TRUE(form->designPath().isEmpty());
    EXPECT_EQ(control<platform::FormTextBox>(m::kEngineerBox)->text(), QString::fromUtf8("วิภา"));

    MenuItem(form.get(), text::menu::kOpenLastCalculated)->trigger();
    EXPECT_EQ(control<platform::FormTextBox>(m::kStrengthBox)->text(), QStringLiteral("240"));
    EXPECT_EQ(control<platform::FormLabel>(m::kAfterCorrectionResults[2])->text(), calculatedPanel);
    EXPECT_TRUE(form->designPath().isEmpty());
}

TEST_F(DesignFilesTest, OpeningAnotherDesignAsksItsOwnQuestion) {
    enterWorkedDesign();
    chosenPath = path(QStringLiteral("beam.krv1"));
    ASSERT_TRUE(form->saveDesignAs());
    type(m::kMoistureBox, QStringLiteral("3"));
    answer(SaveAnswer::Cancel);
    EXPECT_FALSE(form->openDesign());
    EXPECT_EQ(questions, QStringList{Q(f::kSaveBeforeOpenQuestion)});
}

TEST_F(DesignFilesTest, AGoneRecentDesignIsTakenOffTheList) {
    enterWorkedDesign();
    chosenPath = path(QStringLiteral("column.krv1"));
    ASSERT_TRUE(form->saveDesignAs());
    EXPECT_EQ(QSettings().value(QStringLiteral("recentDesigns")).toStringList(),
              QStringList{chosenPath});
    QFile::remove(chosenPath);
    QAction* recent = nullptr;
    for (QAction* action : form->menuBar()->findChildren<QAction*>())
        if (action->text() == QStringLiteral("column.krv1")) recent = action;
    ASSERT_NE(recent, nullptr);
    MessageRecorder messages;
    recent->trigger();
    EXPECT_EQ(messages.texts(), QStringList{Q(f::kRecentGone)});
    EXPECT_TRUE(QSettings().value(QStringLiteral("recentDesigns")).toStringList().isEmpty());
}

TEST_F(DesignFilesTest, TheEngineersNameIsKeptBetweenRuns) {
    type(m::kEngineerBox, QString::fromUtf8("วิภา"));
    form->close();
    form.reset();
    windows.reset();
    openWindows();
    EXPECT_EQ(control<platform::FormTextBox>(m::kEngineerBox)->text(), QString::fromUtf8("วิภา"));
}

// The PDF holds the report's lines: what a reader copies out of it is the
// Thai as written, every mark in its place (ส่วน, ต้อง, กำลัง, ผู้), and
// every blank.
TEST_F(DesignFilesTest, TheReportAsPdfFromTheDetailsWindow) {
    type(m::kEngineerBox, QStringLiteral("KRV1 Test"));
    type(m::kProjectBox, QString::fromUtf8("บ้านคุณสมศรี ซอย 5"));
    enterWorkedDesign();
    calculate();
    control<QPushButton>(m::kDetailsCommand)->click();
    chosenPath = path(QStringLiteral("report.pdf"));
    Find<QPushButton>(windows->details.existing(), forms::details_controls::kSavePdfCommand)
        ->click();
    ASSERT_TRUE(QFile::exists(chosenPath));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), chosenPath, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const auto lines = presentation::ReportLines(
        presentation::DetailsValueTexts(form->calculated()->Input, form->calculated()->Design, {}),
        {"KRV1 Test", "บ้านคุณสมศรี ซอย 5", documents::PrintingDay()});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString line = platform::FromUtf8(lines[i].Text);
        EXPECT_TRUE(text.contains(line)) << "line " << i + 1 << ": " << line.toStdString();
    }
    EXPECT_TRUE(text.contains(QString::fromUtf8("ผู้ตรวจสอบ")));
}

}  // namespace
}  // namespace krv1::testing
