// Enter, Esc and copying, with the real widgets.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "forms/about/about_window.h"
#include "forms/conditions/conditions_window.h"
#include "forms/conditions/conditions_window_layout.h"
#include "forms/details/details_window.h"
#include "forms/details/details_window_layout.h"
#include "main_window_fixture.h"

namespace krv1::testing {
namespace {

QString AdjustedSand(MainWindowTest& t) { return t.caption(m::kAfterCorrectionResults[2]); }

TEST_F(MainWindowTest, EnterInEveryBoxCalculates) {
    enterWorkedDesignWithAdmixture();
    // Alternate the moisture so that each Enter shows in the corrected sand.
    const struct {
        const char* box;
        const char* moisture;
        const char* sand;
    } rows[] = {{m::kStrengthBox, "5", "845      กิโลกรัม"},
                {m::kDosageBox, "3", "830      กิโลกรัม"},
                {m::kMoistureBox, "5", "845      กิโลกรัม"},
                {m::kEngineerBox, "3", "830      กิโลกรัม"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        type(m::kMoistureBox, QString::fromLatin1(row.moisture));
        QTest::keyClick(control(row.box), Qt::Key_Return);
        EXPECT_EQ(AdjustedSand(*this), QString::fromUtf8(row.sand));
    }
}

TEST_F(MainWindowTest, EnterOnAFocusedCommandPressesIt) {
    enterWorkedDesign();
    control(m::kCalculateCommand)->setFocus();
    QTest::keyClick(control(m::kCalculateCommand), Qt::Key_Return);
    EXPECT_EQ(AdjustedSand(*this), QString::fromUtf8("835      กิโลกรัม"));
    QTest::keyClick(control(m::kDetailsCommand), Qt::Key_Enter);
    ASSERT_NE(windows->details.existing(), nullptr);
    EXPECT_TRUE(windows->details.existing()->isVisible());
}

TEST_F(MainWindowTest, EscClosesTheSecondaryWindowsAsTheirOwnCloseDoes) {
    enterWorkedDesign();
    calculate();
    control<QPushButton>(m::kDetailsCommand)->click();
    control<QPushButton>(m::kConditionsCommand)->click();
    control<QPushButton>(m::kAboutCommand)->click();
    forms::DetailsWindow* details = windows->details.existing();
    forms::ConditionsWindow* conditions = windows->conditions.existing();
    QPointer<forms::AboutWindow> about = windows->about.existing();
    // Each window takes Esc while it is the active one.
    for (QWidget* window : std::initializer_list<QWidget*>{details, conditions, about}) {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_Escape);
        ProcessEvents();
    }
    // The close commands hide; the About window's frame close discards it.
    EXPECT_EQ(windows->details.existing(), details);
    EXPECT_FALSE(details->isVisible());
    EXPECT_EQ(windows->conditions.existing(), conditions);
    EXPECT_FALSE(conditions->isVisible());
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, CopiesBothPanelsAsPlainTextOnlyAfterACalculation) {
    const QKeySequence copyAll(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    QApplication::setActiveWindow(form.get());
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keySequence(form.get(), copyAll);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

    enterWorkedDesign();
    calculate();
    QTest::keySequence(form.get(), copyAll);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromUtf8("ผลการคำนวณที่ยังไม่ได้ปรับสภาพ หิน-ทราย ใน 1 ลบ.ม.\n"
                                "ซีเมนต์\t310\tกิโลกรัม\n"
                                "น้ำ\t190\tลิตร\n"
                                "ทราย\t800\tกิโลกรัม\n"
                                "หิน\t1110\tกิโลกรัม\n"
                                "น้ำยาผสมคอนกรีต\t0\tซีซี\n"
                                "ผลการคำนวณที่ได้ปรับสภาพ หิน-ทราย แล้ว ใน 1 ลบ.ม.\n"
                                "ซีเมนต์\t310\tกิโลกรัม\n"
                                "น้ำ\t155\tลิตร\n"
                                "ทราย\t835\tกิโลกรัม\n"
                                "หิน\t1110\tกิโลกรัม\n"
                                "น้ำยาผสมคอนกรีต\t0\tซีซี"));
}

TEST_F(MainWindowTest, AResultIsSelectedByMouseAndCopiedButNeverTabbedTo) {
    enterWorkedDesign();
    calculate();
    auto* cement = control<platform::FormLabel>(m::kBeforeCorrectionResults[0]);
    EXPECT_EQ(cement->focusPolicy(), Qt::ClickFocus);
    QTest::mouseClick(cement, Qt::LeftButton);
    cement->setSelection(0, 3);
    QTest::keySequence(cement, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("310"));
    // Tab from the last box of the tab order goes on to a command, not a result.
    QApplication::setActiveWindow(form.get());
    control(m::kEngineerBox)->setFocus();
    for (int i = 0; i < 30; ++i) {
        ASSERT_NE(form->focusWidget(), nullptr);
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        EXPECT_FALSE(qobject_cast<platform::FormLabel*>(form->focusWidget()));
    }
}

}  // namespace
}  // namespace krv1::testing

namespace krv1::testing {
namespace {

// Every menu command shows its key; Alt takes the keyboard to the menu bar,
// and the arrows walk its menus, as on any desktop.
TEST_F(MainWindowTest, EveryMenuCommandHasItsKeyAndAltReachesTheMenus) {
    for (QAction* menu : form->menuBar()->actions()) {
        EXPECT_FALSE(menu->text().contains(u'&')) << menu->text().toStdString();
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            const QList<QAction*> inside =
                item->menu() ? item->menu()->actions() : QList<QAction*>{item};
            for (QAction* command : inside)
                EXPECT_FALSE(command->shortcut().isEmpty()) << command->text().toStdString();
        }
    }
    form->activateWindow();
    QTest::keyClick(form.get(), Qt::Key_Alt);
    ASSERT_NE(form->menuBar()->activeAction(), nullptr);
    EXPECT_EQ(form->menuBar()->activeAction(), form->menuBar()->actions().front());
    QTest::keyClick(form->menuBar(), Qt::Key_Right);
    QTest::keyClick(form->menuBar(), Qt::Key_Right);
    QTest::keyClick(form->menuBar(), Qt::Key_Down);
    QMenu* tools = form->menuBar()->actions().at(2)->menu();
    EXPECT_TRUE(tools->isVisible());
    tools->close();
}

// The tools' keys reach them from the window in front, not only from the
// main window: from the details window, Ctrl+1 opens the sheet, Ctrl+3
// the records and Ctrl+4 the materials.
TEST_F(MainWindowTest, TheToolsKeysWorkFromEveryWindow) {
    enterWorkedDesign();
    calculate();
    control<QPushButton>(m::kDetailsCommand)->click();
    forms::DetailsWindow* details = windows->details.existing();
    ASSERT_NE(details, nullptr);
    details->activateWindow();
    QApplication::setActiveWindow(details);
    QTest::keyClick(details, Qt::Key_1, Qt::ControlModifier);
    EXPECT_NE(windows->siteSheet.existing(), nullptr);
    QApplication::setActiveWindow(details);
    QTest::keyClick(details, Qt::Key_3, Qt::ControlModifier);
    EXPECT_NE(windows->records.existing(), nullptr);
    QApplication::setActiveWindow(details);
    QTest::keyClick(details, Qt::Key_4, Qt::ControlModifier);
    EXPECT_NE(windows->materials.existing(), nullptr);
}

}  // namespace
}  // namespace krv1::testing
