// A fresh main window, loaded and shown as at program start.
#pragma once

#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <memory>
#include <optional>

#include "forms/main/main_window.h"
#include "forms/main/main_window_layout.h"
#include "forms/main/secondary_windows.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/utf8_text.h"
#include "window_test_support.h"

namespace krv1::testing {

namespace m = forms::main_controls;

inline QString Q(std::string_view text) { return platform::FromUtf8(text); }

class MainWindowTest : public ::testing::Test {
public:
    void SetUp() override {
        QSettings().clear();  // no engineer's name or recent design from an earlier test
        openWindows();
    }
    // The program's windows as at start, with the settings as they are.
    void openWindows() {
        windows = std::make_unique<forms::SecondaryWindows>();
        form = std::make_unique<forms::MainWindow>(*windows);
        form->load();
        form->showForm();
        form->activateWindow();
    }
    void TearDown() override {
        form.reset();
        windows.reset();
        ProcessEvents();
        // The guard against an unexpected question comes back only if a
        // test put an answer in its place.
        if (previousQuestions) platform::SetQuestionSink(*previousQuestions);
    }
    // Every question from now on is answered so, and kept in `questions`.
    void answer(platform::SaveAnswer reply) {
        platform::QuestionSink previous =
            platform::SetQuestionSink([this, reply](const QString& question) {
                questions << question;
                return reply;
            });
        if (!previousQuestions) previousQuestions = std::move(previous);
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        return Find<T>(form.get(), name);
    }
    QString caption(const char* label) const {
        return control<platform::FormLabel>(label)->caption();
    }
    QString hint() const { return control<platform::FormMemo>(m::kHintBox)->content(); }
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
    void calculate() { control<QPushButton>(m::kCalculateCommand)->click(); }

    // 240 ksc, cube, first slump, 3/4 inch stone, no admixture, 5 % moisture.
    void enterWorkedDesign() {
        type(m::kStrengthBox, QStringLiteral("240"));
        control<platform::FormOptionButton>(m::kCubeOption)->click();
        choose(m::kSlumpList, 0);
        choose(m::kStoneList, 1);
        control<platform::FormOptionButton>(m::kWithoutAdmixtureOption)->click();
        type(m::kMoistureBox, QStringLiteral("5"));
    }
    void enterWorkedDesignWithAdmixture() {
        enterWorkedDesign();
        control<platform::FormOptionButton>(m::kWithAdmixtureOption)->click();
        type(m::kDosageBox, QStringLiteral("250"));
    }
    QStringList resultTexts() const {
        QStringList texts;
        for (const char* label : {m::kBeforeCorrectionResults[0], m::kBeforeCorrectionResults[1],
                                  m::kBeforeCorrectionResults[2], m::kBeforeCorrectionResults[3],
                                  m::kBeforeCorrectionResults[4], m::kAfterCorrectionResults[0],
                                  m::kAfterCorrectionResults[1], m::kAfterCorrectionResults[2],
                                  m::kAfterCorrectionResults[3], m::kAfterCorrectionResults[4]})
            texts << caption(label);
        return texts;
    }

    std::unique_ptr<forms::SecondaryWindows> windows;
    std::unique_ptr<forms::MainWindow> form;
    QStringList questions;
    std::optional<platform::QuestionSink> previousQuestions;
};

}  // namespace krv1::testing
