// The trial batch window, driven from the main window: its boxes make the
// design changed and are saved with it, its text is the command line's, and
// a new design clears it.
#include "forms/trial_batch/trial_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>

#include "forms/details/details_window_layout.h"
#include "forms/trial_batch/trial_window_layout.h"
#include "main_window_fixture.h"
#include "platform/form_chart.h"
#include "text/design_file_texts.h"
#include "text/menu_texts.h"
#include "text/trial_batch_texts.h"

namespace krv1::testing {
namespace {

namespace k = forms::trial_controls;
using B = presentation::TrialBox;

class TrialWindowTest : public MainWindowTest {
public:
    forms::TrialWindow* openTrial() {
        control<QPushButton>(m::kDetailsCommand)->click();
        Find<QPushButton>(windows->details.existing(), forms::details_controls::kTrialCommand)
            ->click();
        return windows->trial.existing();
    }
    void typeInto(B box, const QString& text) {
        auto* edit = Find<platform::FormTextBox>(windows->trial.existing(),
                                                 k::kBoxes[static_cast<std::size_t>(box)]);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    QString foot() const {
        return Find<platform::FormLabel>(windows->trial.existing(), k::kFoot)->caption();
    }
};

TEST_F(TrialWindowTest, MeasurementsAdjustTheMixAndTravelWithTheDesign) {
    enterWorkedDesign();
    calculate();
    forms::TrialWindow* trial = openTrial();
    ASSERT_NE(trial, nullptr);
    // The empty boxes say what they stand for: 6 cubes, 25 % extra and the
    // planned 25.313 litres.
    const auto placeholder = [trial](B box) {
        return Find<platform::FormTextBox>(trial, k::kBoxes[static_cast<std::size_t>(box)])
            ->placeholderText();
    };
    EXPECT_EQ(placeholder(B::Cubes), QStringLiteral("6"));
    EXPECT_EQ(placeholder(B::Extra), QStringLiteral("25"));
    EXPECT_EQ(placeholder(B::Volume), QStringLiteral("25.313"));
    EXPECT_EQ(placeholder(B::Strength), QString());
    auto* chart = Find<platform::FormChart>(trial, k::kChart);
    EXPECT_EQ(chart->seriesCount(), 3);  // the curve, the design and the adjusted design
    typeInto(B::Slump, QStringLiteral("10"));
    EXPECT_TRUE(trial->plainText().find("น้ำที่ใช้ออกแบบใหม่  180 ลิตร/ลบ.ม.") != std::string::npos);
    // The adjusted mix as the main window's panels, the design's figure beside.
    EXPECT_EQ(Find<platform::FormLabel>(trial, k::kBeforeFigures[1])->caption(),
              QString::fromUtf8("180     ลิตร (เดิม 190)"));
    // After the moisture correction the design had 155 litres and 835 kg of sand.
    EXPECT_TRUE(Find<platform::FormLabel>(trial, k::kAfterFigures[1])
                    ->caption()
                    .endsWith(QString::fromUtf8(" (เดิม 155)")));
    EXPECT_TRUE(Find<platform::FormLabel>(trial, k::kAfterFigures[2])
                    ->caption()
                    .endsWith(QString::fromUtf8(" (เดิม 835)")));
    typeInto(B::Strength, QStringLiteral("280"));
    EXPECT_EQ(chart->seriesCount(), 4);  // and the trial
    // A box out of range names itself and keeps the last trial shown.
    const std::string shown = trial->plainText();
    typeInto(B::Density, QStringLiteral("1800"));
    EXPECT_EQ(foot(), QString::fromUtf8("หน่วยน้ำหนักคอนกรีตสดต้องอยู่ระหว่าง 2000 ถึง 2700 กก./ลบ.ม."));
    EXPECT_EQ(trial->plainText(), shown);
    auto* density =
        Find<platform::FormTextBox>(trial, k::kBoxes[static_cast<std::size_t>(B::Density)]);
    EXPECT_TRUE(density->isFlagged());
    typeInto(B::Density, QString());
    EXPECT_FALSE(density->isFlagged());

    // The design keeps the boxes: a save writes them, and krv1 --trial of
    // the file gives the window's text.
    ASSERT_TRUE(form->designInBoxes().Trial);
    EXPECT_EQ((*form->designInBoxes().Trial)[static_cast<std::size_t>(B::Slump)], "10");
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("tried.krv1"));
    QFile design(file);
    ASSERT_TRUE(design.open(QIODevice::WriteOnly));
    design.write(QByteArray::fromStdString(presentation::WriteDesign(form->designInBoxes())));
    design.close();
    QProcess program;
    program.start(QStringLiteral(KRV1_PROGRAM), {QStringLiteral("--trial"), file});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.readAllStandardOutput().toStdString(), trial->plainText());
    Find<QPushButton>(trial, k::kCopyCommand)->click();
    // 6 cubes of 15 cm with 25 % extra: 6 x 3.375 x 1.25 = 25.3125 litres.
    const std::string copied = QApplication::clipboard()->text().toStdString();
    EXPECT_NE(copied.find("\nปริมาตรผสมทดลอง\t25.313\tลิตร\n"), std::string::npos) << copied;

    // An untitled design's trial exists nowhere else: a new design asks
    // first, keeps it on Cancel, and clears it and hides its window once
    // the engineer says not to save.
    const auto newDesign = [this] {
        for (QAction* action : form->menuBar()->findChildren<QAction*>())
            if (action->text() == Q(text::menu::kNewDesign)) action->trigger();
    };
    answer(platform::SaveAnswer::Cancel);
    newDesign();
    EXPECT_EQ(questions, QStringList{Q(text::design_file::kSaveBeforeNewQuestion)});
    EXPECT_TRUE(form->designInBoxes().Trial);
    answer(platform::SaveAnswer::DontSave);
    newDesign();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_FALSE(trial->isVisible());
    EXPECT_FALSE(form->designInBoxes().Trial);
    // Nothing left to lose: the next new design asks nothing.
    newDesign();
    EXPECT_EQ(questions.size(), 2);
}

// The menu's trial waits for a calculation; an open window follows each
// one, and shows nothing of a design before the one whose box it refuses.
TEST_F(TrialWindowTest, FollowsEachDesignAndShowsNothingOfAnother) {
    QAction* menuItem = nullptr;
    for (QAction* action : form->menuBar()->findChildren<QAction*>())
        if (action->text() == Q(text::trial::kMenuItem)) menuItem = action;
    ASSERT_NE(menuItem, nullptr);
    EXPECT_FALSE(menuItem->isEnabled());
    enterWorkedDesign();
    calculate();
    EXPECT_TRUE(menuItem->isEnabled());
    menuItem->trigger();
    forms::TrialWindow* trial = windows->trial.existing();
    ASSERT_NE(trial, nullptr);
    // Nothing measured: the design's own F, 240 + 60, then 250 + 60.
    const std::string strength300 = "\nกำลังอัดที่ใช้ออกแบบใหม่  300 ";
    EXPECT_NE(trial->plainText().find(strength300), std::string::npos) << trial->plainText();
    type(m::kStrengthBox, QStringLiteral("250"));
    calculate();
    EXPECT_NE(trial->plainText().find("\nกำลังอัดที่ใช้ออกแบบใหม่  310 "), std::string::npos)
        << trial->plainText();

    // A design whose trial box is refused, opened while the window shows
    // another's trial: the box is named, and no figure of the other stays.
    presentation::Design refused;
    refused.Input = form->designInBoxes().Input;
    refused.Trial = presentation::TrialInputs{};
    (*refused.Trial)[static_cast<std::size_t>(B::Density)] = "1800";
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("refused.krv1"));
    QFile design(file);
    ASSERT_TRUE(design.open(QIODevice::WriteOnly));
    design.write(QByteArray::fromStdString(presentation::WriteDesign(refused)));
    design.close();
    ASSERT_TRUE(form->openDesignFile(file));
    EXPECT_EQ(foot(), QString::fromUtf8("หน่วยน้ำหนักคอนกรีตสดต้องอยู่ระหว่าง 2000 ถึง 2700 กก./ลบ.ม."));
    EXPECT_TRUE(Find<platform::FormTextBox>(trial, k::kBoxes[static_cast<std::size_t>(B::Density)])
                    ->isFlagged());
    EXPECT_EQ(trial->plainText(), "");
    EXPECT_EQ(trial->copiedText(), "");
    EXPECT_EQ(Find<platform::FormLabel>(trial, k::kBeforeFigures[0])->caption(), QString());
    EXPECT_EQ(Find<platform::FormChart>(trial, k::kChart)->seriesCount(), 0);
    EXPECT_EQ(Find<platform::FormTextBox>(trial, k::kBoxes[static_cast<std::size_t>(B::Volume)])
                  ->placeholderText(),
              QString());
}

}  // namespace
}  // namespace krv1::testing
