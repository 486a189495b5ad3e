#include <algorithm>
// The site batch sheet window, driven from the main window.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "forms/site_sheet/site_sheet_window.h"
#include "forms/site_sheet/site_sheet_window_layout.h"
#include "main_window_fixture.h"
#include "presentation/site_sheet.h"

namespace krv1::testing {
namespace {

namespace k = forms::site_sheet_controls;
using S = presentation::SiteSetting;

class SiteSheetTest : public MainWindowTest {
public:
    // As the engineer opens it: from the details window's command.
    forms::SiteSheetWindow* openSheet() {
        control<QPushButton>(m::kDetailsCommand)->click();
        Find<QPushButton>(windows->details.existing(), forms::details_controls::kSiteSheetCommand)
            ->click();
        return windows->siteSheet.existing();
    }
    QString shown(const char* label) const {
        return Find<platform::FormLabel>(windows->siteSheet.existing(), label)->caption();
    }
    platform::FormTextBox* box(S setting) const {
        return Find<platform::FormTextBox>(windows->siteSheet.existing(),
                                           k::kSettingBoxes[static_cast<std::size_t>(setting)]);
    }
    void typeInto(S setting, const QString& text) {
        box(setting)->selectAll();
        QTest::keyClick(box(setting), Qt::Key_Delete);
        QTest::keyClicks(box(setting), text);
    }
};

TEST_F(SiteSheetTest, FollowsEveryKeystrokeAndEveryCalculation) {
    enterWorkedDesign();
    calculate();
    forms::SiteSheetWindow* sheet = openSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(shown(k::kPour).contains(QString::fromUtf8("ปูนซีเมนต์  7 ถุง")));
    typeInto(S::Bag, QStringLiteral("40"));
    EXPECT_TRUE(shown(k::kPour).contains(QString::fromUtf8("ปูนซีเมนต์  8 ถุง")));
    typeInto(S::Bag, QStringLiteral("400"));
    EXPECT_TRUE(box(S::Bag)->isFlagged());
    EXPECT_EQ(shown(k::kFoot), Q(presentation::RangeMessage(S::Bag)));
    EXPECT_TRUE(shown(k::kPour).contains(QString::fromUtf8("ปูนซีเมนต์  –")));
    EXPECT_TRUE(shown(k::kPour).contains(QString::fromUtf8("ปูนซีเมนต์  310.0 กก.")));
    typeInto(S::Bag, QStringLiteral("50"));
    EXPECT_FALSE(box(S::Bag)->isFlagged());
    EXPECT_TRUE(shown(k::kFoot).isEmpty());
    // A new calculation shows at once: with admixture, 295 kg of cement.
    enterWorkedDesignWithAdmixture();
    calculate();
    EXPECT_TRUE(shown(k::kPour).contains(QString::fromUtf8("ปูนซีเมนต์  6 ถุง")));
}

TEST_F(SiteSheetTest, SettingsAreRememberedWithNoFileAndTakenFromAFileWhenOpen) {
    enterWorkedDesign();
    calculate();
    openSheet();
    typeInto(S::Volume, QStringLiteral("12"));
    form->close();
    form.reset();
    windows.reset();
    openWindows();
    EXPECT_EQ(form->siteSettings()[0], "12");

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("slab.krv1"));
    QFile design(file);
    ASSERT_TRUE(design.open(QIODevice::WriteOnly));
    design.write(R"({"format": "krv1-design", "version": 1, "engineer": "",
        "inputs": {"strength": "240", "shape": "cube", "admixture": "without", "dosage": "",
                   "slump": "7.5", "stone": "3/4", "moisture": "5"},
        "site": {"waste": "5", "bucket": null}})");
    design.close();
    ASSERT_TRUE(form->openDesignFile(file));
    // The file's settings win; the keys it lacks take the defaults, not "12".
    presentation::SiteSettings expected = presentation::DefaultSiteSettings();
    expected[static_cast<std::size_t>(S::Waste)] = "5";
    EXPECT_EQ(form->siteSettings(), expected);
    forms::SiteSheetWindow* sheet = openSheet();
    EXPECT_EQ(sheet->settings(), expected);

    // An edit to the open file's sheet outlives the next calculation, and is
    // what a save would keep.
    typeInto(S::Volume, QStringLiteral("8"));
    calculate();
    EXPECT_EQ(box(S::Volume)->text(), QStringLiteral("8"));
    EXPECT_EQ(form->designInBoxes().Site[static_cast<std::size_t>(S::Volume)], "8");
}

TEST_F(SiteSheetTest, TheSameTextInTheWindowTheClipboardAndOnTheCommandLine) {
    type(m::kEngineerBox, QString::fromUtf8("สมชาย ใจดี"));
    enterWorkedDesignWithAdmixture();
    calculate();
    forms::SiteSheetWindow* sheet = openSheet();
    typeInto(S::Bucket, QStringLiteral("18"));
    Find<QPushButton>(sheet, k::kCopyCommand)->click();
    // Copied, each figure stands in a cell of its own between its caption and
    // its unit; the settings' lines stay whole.
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_NE(copied.find("\nปูนซีเมนต์\t295\tกก.\n"), std::string::npos) << copied;
    EXPECT_NE(copied.find("\nความชื้นทราย=5%\n"), std::string::npos) << copied;
    const std::string shown = sheet->plainText();
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'),
              std::count(shown.begin(), shown.end(), '\n'));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.krv1"));
    QFile design(file);
    ASSERT_TRUE(design.open(QIODevice::WriteOnly));
    design.write(QByteArray::fromStdString(presentation::WriteDesign(form->designInBoxes())));
    design.close();
    QProcess program;
    program.start(QStringLiteral(KRV1_PROGRAM), {QStringLiteral("--sheet"), file});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput().toStdString(), sheet->plainText());
}

}  // namespace
}  // namespace krv1::testing
