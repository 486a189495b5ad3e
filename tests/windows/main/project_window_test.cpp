// The project window, driven from the main window: designs added, an element
// edited in the main window and written back by Calculate, the list's own
// edits, a refused setting, and the project kept in its file.
#include "forms/project/project_window.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include "forms/project/project_window_layout.h"
#include "main_window_fixture.h"
#include "platform/files.h"
#include "text/project_texts.h"

namespace krv1::testing {
namespace {

namespace k = forms::project_controls;

class ProjectWindowTest : public MainWindowTest {
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
    forms::ProjectWindow* window() const { return windows->project.existing(); }
    QAbstractItemModel* list() const { return Find<QTableView>(window(), k::kElements)->model(); }
    QString cell(int row, int column) const { return list()->index(row, column).data().toString(); }
    void click(const char* command) { Find<QPushButton>(window(), command)->click(); }

    QTemporaryDir folder;
    QString chosenPath;
    platform::FileDialogSink previousDialogs;
};

TEST_F(ProjectWindowTest, DesignsGoInAndAnElementIsEditedInTheMainWindow) {
    form->newProject();
    ASSERT_NE(window(), nullptr);
    enterWorkedDesign();
    calculate();
    click(k::kAddCommand);
    type(m::kMoistureBox, QStringLiteral("2"));
    calculate();
    click(k::kAddCommand);
    ASSERT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), Q("แบบส่วนผสมที่ 1"));
    EXPECT_EQ(cell(1, 0), Q("แบบส่วนผสมที่ 2"));
    // 1 m3 with no waste: 310 kg of cement, 7 bags of 50 (6.2 whole).
    EXPECT_EQ(cell(0, 4), QStringLiteral("310"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("7"));
    EXPECT_TRUE(Find<platform::FormMemo>(window(), k::kOrders)
                    ->content()
                    .contains(Q("ปูนซีเมนต์  620.0 กก.\n")));  // the moisture changes no cement

    // The first element in the main window: the title says so, and a
    // calculation writes the design back.
    window()->choose(0);
    click(k::kOpenCommand);
    ASSERT_EQ(form->editingElement(), std::optional<std::size_t>(0));
    EXPECT_EQ(form->windowTitle(), Q("KRV1 - รายการ แบบส่วนผสมที่ 1 ของโครงการ "));
    type(m::kStrengthBox, QStringLiteral("210"));
    calculate();
    EXPECT_EQ(form->project().project().Elements[0].Design.Input.RequiredStrength, "210");
    EXPECT_TRUE(cell(0, 2).startsWith(QStringLiteral("210 ")));

    // Moved down, it is still the one edited; removed, the main window
    // edits nothing of the project.
    click(k::kDownCommand);
    EXPECT_EQ(cell(1, 0), Q("แบบส่วนผสมที่ 1"));
    EXPECT_EQ(form->editingElement(), std::optional<std::size_t>(1));
    click(k::kRemoveCommand);
    EXPECT_EQ(list()->rowCount(), 1);
    EXPECT_FALSE(form->editingElement());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("KRV1"));
}

TEST_F(ProjectWindowTest, TheListTakesOnlyHarmlessNamesAndBothSupplies) {
    form->newProject();
    enterWorkedDesign();
    calculate();
    click(k::kAddCommand);
    EXPECT_FALSE(list()->setData(list()->index(0, 0), Q("ฐาน\nราก"), Qt::EditRole));
    EXPECT_FALSE(list()->setData(list()->index(0, 0), QString(61, u'a'), Qt::EditRole));
    EXPECT_TRUE(list()->setData(list()->index(0, 0), Q("ฐานราก F1-F8"), Qt::EditRole));
    EXPECT_TRUE(list()->setData(list()->index(0, 1), 1, Qt::EditRole));
    const presentation::ProjectElement& element = form->project().project().Elements[0];
    EXPECT_EQ(element.Name, "ฐานราก F1-F8");
    EXPECT_EQ(element.Supplied, presentation::Supply::Ready);
    EXPECT_EQ(cell(0, 1), Q(text::project::kReadyMixed));
}

// A setting out of its range is flagged and named; the list stays.
TEST_F(ProjectWindowTest, ARefusedSettingIsFlaggedAndTheListStays) {
    form->newProject();
    enterWorkedDesign();
    calculate();
    click(k::kAddCommand);
    auto* truck = Find<platform::FormTextBox>(window(), k::kSettingBoxes[1]);
    truck->setFocus();
    QTest::keyClicks(truck, QStringLiteral("13"));
    EXPECT_TRUE(truck->isFlagged());
    EXPECT_EQ(Find<platform::FormLabel>(window(), k::kFoot)->caption(),
              Q("ความจุรถคอนกรีตผสมเสร็จ (ลบ.ม./คัน) ต้องมากกว่า 0 และไม่เกิน 12"));
    EXPECT_EQ(list()->rowCount(), 1);
    QTest::keyClick(truck, Qt::Key_Backspace);  // 1 m3 a truck: taken
    EXPECT_FALSE(truck->isFlagged());
}

// Saved, opened again whole; a changed project is asked about before a new
// one; the workbook is written where chosen.
TEST_F(ProjectWindowTest, TheProjectIsKeptInItsFile) {
    form->newProject();
    enterWorkedDesign();
    calculate();
    click(k::kAddCommand);
    chosenPath = folder.filePath(QStringLiteral("house.krv1proj"));
    ASSERT_TRUE(form->saveProject());
    const presentation::Project saved = form->project().project();
    EXPECT_FALSE(form->project().changed());

    chosenPath = folder.filePath(QStringLiteral("house.xlsx"));
    ASSERT_TRUE(form->exportProjectWorkbook());
    QFile book(chosenPath);
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    EXPECT_TRUE(book.read(2) == "PK");  // a zip, as every .xlsx is

    click(k::kAddCommand);
    answer(platform::SaveAnswer::DontSave);
    form->newProject();
    EXPECT_EQ(questions, QStringList{Q(text::project::kSaveBeforeNewQuestion)});
    EXPECT_TRUE(form->project().project().Elements.empty());
    ASSERT_TRUE(form->openProjectFile(folder.filePath(QStringLiteral("house.krv1proj"))));
    EXPECT_EQ(form->project().project(), saved);
    EXPECT_EQ(list()->rowCount(), 1);
}

}  // namespace
}  // namespace krv1::testing
