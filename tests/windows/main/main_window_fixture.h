// A fresh main window, loaded and shown as at program start.
#pragma once

#include <QPushButton>
#include <QTest>
#include <memory>

#include "forms/main/form1.h"
#include "forms/main/secondary_windows.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "window_test_support.h"

namespace krv1::testing {

inline QString Q(std::string_view text) { return platform::FromUtf8(text); }

class MainWindowTest : public ::testing::Test {
public:
    void SetUp() override {
        windows = std::make_unique<forms::SecondaryWindows>();
        form = std::make_unique<forms::Form1>(*windows);
        form->load();
        form->showForm();
        form->activateWindow();
    }
    void TearDown() override {
        form.reset();
        windows.reset();
        ProcessEvents();
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        return Find<T>(form.get(), name);
    }
    QString caption(const char* label) const {
        return control<platform::FormLabel>(label)->caption();
    }
    QString hint() const { return control<platform::FormMemo>("Text1")->content(); }
    void choose(const char* list, int entry) {
        auto* combo = control<platform::FormDropDownList>(list);
        combo->setFocus();
        combo->setCurrentIndex(-1);
        for (int i = 0; i <= entry; ++i) QTest::keyClick(combo, Qt::Key_Down);
    }
    void type(const char* box, const QString& text) {
        auto* edit = control<platform::FormTextBox>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        bool ascii = true;
        for (QChar c : text) ascii = ascii && c.unicode() < 128;
        // QTest types ASCII keys only; Thai is entered as an input method would.
        if (ascii) {
            QTest::keyClicks(edit, text);
        } else {
            edit->insert(text);
        }
    }
    void calculate() { control<QPushButton>("Command1")->click(); }

    // 240 ksc, cube, first slump, 3/4 inch stone, no admixture, 5 % moisture.
    void enterWorkedDesign() {
        type("Text2", QStringLiteral("240"));
        control<platform::FormOptionButton>("Option3")->click();
        choose("Combo1", 0);
        choose("Combo2", 1);
        control<platform::FormOptionButton>("Option2")->click();
        type("Text4", QStringLiteral("5"));
    }
    void enterWorkedDesignWithAdmixture() {
        enterWorkedDesign();
        control<platform::FormOptionButton>("Option1")->click();
        type("Text3", QStringLiteral("250"));
    }
    QStringList resultTexts() const {
        QStringList texts;
        for (const char* label : {"Label10", "Label11", "Label12", "Label13", "Label14", "Label15",
                                  "Label16", "Label17", "Label18", "Label19"})
            texts << caption(label);
        return texts;
    }

    std::unique_ptr<forms::SecondaryWindows> windows;
    std::unique_ptr<forms::Form1> form;
};

}  // namespace krv1::testing
