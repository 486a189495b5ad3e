// The site materials window, driven from the main window: edits that
// recalculate at once, a refused box, the method's values back, and the
// materials kept with the design. Figures worked by hand in
// tests/engine/materials_test.cpp.
#include "forms/materials/materials_window.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>

#include "forms/materials/materials_window_layout.h"
#include "main_window_fixture.h"
#include "platform/files.h"
#include "text/materials_texts.h"

namespace krv1::testing {
namespace {

namespace k = forms::materials_controls;

class MaterialsWindowTest : public MainWindowTest {
public:
    forms::MaterialsWindow* materials() const { return windows->materials.existing(); }
    void typeMaterial(std::size_t box, const QString& text) {
        auto* edit = Find<platform::FormTextBox>(materials(), k::kBoxes[box]);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void chooseCement(int entry) {
        auto* list = Find<platform::FormDropDownList>(materials(), k::kCementList);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < entry; ++i) QTest::keyClick(list, Qt::Key_Down);
    }
    // The worked materials, typed box by box.
    void typeWorkedMaterials() {
        chooseCement(1);
        const char* typed[] = {"3.05", "2.62", "1.2", "2.68", "0.6", "2.0"};
        for (std::size_t i = 0; i < std::size(typed); ++i)
            typeMaterial(i, QString::fromLatin1(typed[i]));
    }
    QString windowCaption(const char* label) const {
        return Find<platform::FormLabel>(materials(), label)->caption();
    }
};

TEST_F(MaterialsWindowTest, EachEditRecalculatesTheDesignAtOnce) {
    enterWorkedDesign();
    calculate();
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_4, Qt::ControlModifier);
    ASSERT_NE(materials(), nullptr);
    ASSERT_TRUE(materials()->isVisible());
    typeWorkedMaterials();
    EXPECT_EQ(resultTexts().mid(5),
              (QStringList{Q("310      กิโลกรัม"), Q("145     ลิตร"), Q("810      กิโลกรัม"),
                           Q("1115       กิโลกรัม"), Q("0     ซีซี")}));
    EXPECT_EQ(caption(m::kMaterialsNotice),
              Q("คำนวณด้วยวัสดุของหน้างาน ปูนซีเมนต์ไฮดรอลิก (มอก. 2594) ถ.พ. 3.05, ทราย ถ.พ. 2.62, "
                "ทรายดูดซึม 1.2 %, หิน ถ.พ. 2.68, หินความชื้น 2.0 %"));
    const QString note = Q(text::materials::kCurveNote);
    EXPECT_EQ(caption(m::kMaterialsNote), note);
    EXPECT_EQ(windowCaption(k::kNote), note);

    // The method's values come back whole: every box empty, Portland cement,
    // and the worked design's figures of the method.
    Find<QPushButton>(materials(), k::kDefaultsCommand)->click();
    for (const char* box : k::kBoxes)
        EXPECT_TRUE(Find<platform::FormTextBox>(materials(), box)->text().isEmpty()) << box;
    EXPECT_EQ(resultTexts().mid(5),
              (QStringList{Q("310      กิโลกรัม"), Q("155     ลิตร"), Q("835      กิโลกรัม"),
                           Q("1110       กิโลกรัม"), Q("0     ซีซี")}));
    EXPECT_EQ(caption(m::kMaterialsNotice), QString());
    EXPECT_EQ(caption(m::kMaterialsNote), QString());
    EXPECT_EQ(windowCaption(k::kNote), QString());
    EXPECT_EQ(form->designInBoxes().Materials, presentation::MaterialTexts{});

    QApplication::setActiveWindow(materials());
    QTest::keyClick(materials(), Qt::Key_Escape);
    EXPECT_FALSE(materials()->isVisible());
}

// A box refused keeps the last results, flagged and named in the window;
// Calculate then says why and puts the engineer in that box.
TEST_F(MaterialsWindowTest, ARefusedBoxKeepsTheResultsAndIsMendedWhereTyped) {
    enterWorkedDesign();
    calculate();
    form->showMaterials();
    const QStringList before = resultTexts();
    typeMaterial(5, QStringLiteral("2"));  // the stone's moisture without its absorption
    auto* absorption = Find<platform::FormTextBox>(materials(), k::kBoxes[4]);
    EXPECT_TRUE(absorption->isFlagged());
    EXPECT_EQ(windowCaption(k::kFoot), Q(text::materials::kStoneAbsorptionMissing));
    EXPECT_EQ(resultTexts(), before);

    materials()->hide();
    MessageRecorder messages;
    calculate();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().first(), Q(text::materials::kStoneAbsorptionMissing));
    EXPECT_TRUE(materials()->isVisible());
    EXPECT_EQ(materials()->focusWidget(), absorption);
    EXPECT_EQ(resultTexts(), before);

    // Mended, the flag and the message go and the stone is corrected: the
    // method's 1110 kg bring 1110 x (2 - 0.6) / 100 = 15.54 l, 1125.54 kg
    // weighed wet, 1126 batched to the nearest 5 kg.
    typeMaterial(4, QStringLiteral("0.6"));
    EXPECT_FALSE(absorption->isFlagged());
    EXPECT_EQ(windowCaption(k::kFoot), QString());
    EXPECT_EQ(resultTexts()[8], Q("1125       กิโลกรัม"));
}

// The materials go with the design into its file and come back with it.
TEST_F(MaterialsWindowTest, TheMaterialsTravelWithTheDesign) {
    enterWorkedDesign();
    calculate();
    form->showMaterials();
    typeWorkedMaterials();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("site.krv1"));
    const platform::FileDialogSink previous =
        platform::SetFileDialogSink([&](auto, const QString&, const QString&) { return path; });
    const bool saved = form->saveDesignAs();
    platform::SetFileDialogSink(previous);
    ASSERT_TRUE(saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\"version\": 3,"));
    EXPECT_TRUE(text.contains("\"cement\": \"hydraulic\""));

    answer(platform::SaveAnswer::DontSave);
    form->newDesign();
    EXPECT_EQ(form->designInBoxes().Materials, presentation::MaterialTexts{});
    ASSERT_TRUE(form->openDesignFile(path));
    form->showMaterials();
    EXPECT_EQ(Find<platform::FormTextBox>(materials(), k::kBoxes[0])->text(),
              QStringLiteral("3.05"));
    EXPECT_EQ(Find<platform::FormDropDownList>(materials(), k::kCementList)->currentIndex(), 1);
    EXPECT_EQ(resultTexts()[8], Q("1115       กิโลกรัม"));
}

}  // namespace
}  // namespace krv1::testing
