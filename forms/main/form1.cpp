#include "form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>

#include "forms/main/form1_layout.h"
#include "forms/main/hint_texts.h"
#include "forms/main/result_texts.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/number_locale.h"
#include "text/mix_choices.h"
#include "platform/utf8_text.h"

namespace krv1::forms {

using platform::FormDropDownList;
using platform::FormLabel;
using platform::FormMemo;
using platform::FormOptionButton;
using platform::FormTextBox;

namespace {


}  // namespace

Form1::Form1(SecondaryWindows& windows)
    : FormWindow(kForm1Window, kForm1Controls, platform::RedDiscIcon()),
      windows_(windows),
      locale_(platform::SystemNumberLocale()) {
    ConnectHandlers();
}

void Form1::ConnectHandlers() {
    const auto onClick = [this](const char* name, void (Form1::*handler)()) {
        connect(control<QPushButton>(name), &QPushButton::clicked, this, handler);
    };
    onClick("Command1", &Form1::Command1_Click);
    onClick("Command2", &Form1::Command2_Click);
    onClick("Command4", &Form1::Command4_Click);
    onClick("Command5", &Form1::Command5_Click);
    onClick("Command6", &Form1::Command6_Click);

    connect(control<FormOptionButton>("Option1"), &FormOptionButton::selected, this,
            &Form1::Option1_Click);
    connect(control<FormOptionButton>("Option2"), &FormOptionButton::selected, this,
            &Form1::Option2_Click);

    // Hints: only these controls have one.
    const auto hintOnLabel = [this](const char* name, QString (*hint)()) {
        connect(control<FormLabel>(name), &FormLabel::mouseMoved, this,
                [this, hint] { ShowHint(hint()); });
    };
    hintOnLabel("Label2", hints::Strength);       // Label2_MouseMove
    hintOnLabel("Label3", hints::SlumpCaption);   // Label3_MouseMove
    hintOnLabel("Label4", hints::Aggregate);      // Label4_MouseMove
    hintOnLabel("Label27", hints::Moisture);      // Label27_MouseMove
    connect(control<FormTextBox>("Text2"), &FormTextBox::mouseMoved, this,
            [this] { ShowHint(hints::Strength()); });  // Text2_MouseMove
    connect(control<FormTextBox>("Text4"), &FormTextBox::clicked, this,
            [this] { ShowHint(hints::Moisture()); });  // Text4_Click
    connect(control<FormDropDownList>("Combo1"), &FormDropDownList::entryChosen, this,
            [this] { ShowHint(hints::Slump()); });  // Combo1_Click
    connect(control<FormDropDownList>("Combo2"), &FormDropDownList::entryChosen, this,
            [this] { ShowHint(hints::Aggregate()); });  // Combo2_Click
    const auto hintOnOption = [this](const char* name, QString (*hint)()) {
        connect(control<FormOptionButton>(name), &FormOptionButton::mouseMoved, this,
                [this, hint] { ShowHint(hint()); });
    };
    hintOnOption("Option1", hints::Admixture);  // Option1_MouseMove
    hintOnOption("Option3", hints::Cube);       // Option3_MouseMove
    hintOnOption("Option4", hints::Cylinder);   // Option4_MouseMove
}

void Form1::Form_Load() {
    auto* slump = control<FormDropDownList>("Combo1");
    for (std::string_view entry : text::kSlumpEntries) slump->appendEntry(platform::FromUtf8(entry));
    auto* stone = control<FormDropDownList>("Combo2");
    for (std::string_view entry : text::kStoneEntries) stone->appendEntry(platform::FromUtf8(entry));
    control<QLabel>("Picture1")->setPixmap(platform::RoadWorksSign(40));
}

QWidget* Form1::firstFocus() const { return control<QWidget>("Text2"); }

void Form1::ShowHint(const QString& hint) { control<FormMemo>("Text1")->setContent(hint); }

MixInput Form1::ReadInput() const {
    MixInput input;
    input.RequiredStrength = control<FormTextBox>("Text2")->text().toStdString();
    if (control<FormOptionButton>("Option3")->isChecked()) {
        input.Shape = SpecimenShape::Cube;
    } else if (control<FormOptionButton>("Option4")->isChecked()) {
        input.Shape = SpecimenShape::Cylinder;
    }
    if (control<FormOptionButton>("Option1")->isChecked()) {
        input.Admixture = AdmixtureChoice::WithAdmixture;
    } else if (control<FormOptionButton>("Option2")->isChecked()) {
        input.Admixture = AdmixtureChoice::WithoutAdmixture;
    }
    input.DosageText = control<FormTextBox>("Text3")->text().toStdString();
    input.SlumpText = control<FormDropDownList>("Combo1")->currentEntry().toStdString();
    input.AggregateText = control<FormDropDownList>("Combo2")->currentEntry().toStdString();
    input.SandMoistureText = control<FormTextBox>("Text4")->text().toStdString();
    return input;
}

QWidget* Form1::ControlOf(FaultyInput input) const {
    switch (input) {
        case FaultyInput::Text2: return control<QWidget>("Text2");
        case FaultyInput::Option3: return control<QWidget>("Option3");
        case FaultyInput::Option1: return control<QWidget>("Option1");
        case FaultyInput::Text3: return control<QWidget>("Text3");
        case FaultyInput::Combo1: return control<QWidget>("Combo1");
        case FaultyInput::Combo2: return control<QWidget>("Combo2");
        case FaultyInput::Text4: return control<QWidget>("Text4");
    }
    return nullptr;
}

void Form1::Command1_Click() {
    const MixInput input = ReadInput();
    const CalculationResult result = CalculateMix(input, state_, locale_);
    if (!result.ok()) {
        // Nothing changes: the panels keep the last good results.
        platform::ShowMessage(this, QString::fromStdString(result.Error->Message));
        ControlOf(result.Error->Input)->setFocus(Qt::OtherFocusReason);
        return;
    }
    state_ = result.Design->State;
    calculatedInput_ = input;
    ShowResults(*result.Design);
    control<QPushButton>("Command2")->setEnabled(true);
}

void Form1::ShowResults(const MixDesign& design) {
    const ResultTexts texts = ResultLabelTexts(design, locale_);
    const char* unadjusted[] = {"Label10", "Label11", "Label12", "Label13", "Label14"};
    const char* adjusted[] = {"Label15", "Label16", "Label17", "Label18", "Label19"};
    for (std::size_t row = 0; row < texts.Unadjusted.size(); ++row) {
        control<FormLabel>(unadjusted[row])->setCaption(QString::fromStdString(texts.Unadjusted[row]));
        control<FormLabel>(adjusted[row])->setCaption(QString::fromStdString(texts.Adjusted[row]));
    }
}

void Form1::Command2_Click() {
    // Enabled only after a calculation succeeded, so there is always one.
    if (!calculatedInput_) return;
    CalculationRecord record{*calculatedInput_, state_, {}};
    const char* results[] = {"Label10", "Label11", "Label12", "Label13", "Label14",
                             "Label15", "Label16", "Label17", "Label18", "Label19"};
    for (std::size_t i = 0; i < record.ResultTexts.size(); ++i)
        record.ResultTexts[i] = control<FormLabel>(results[i])->caption().toStdString();

    Form3& details = windows_.details.show();
    details.setEngineerNameSource([this] { return control<FormTextBox>("Text5")->text(); });
    details.fill(record, locale_);
}

void Form1::Command4_Click() { windows_.conditions.show(); }

void Form1::Command5_Click() { windows_.about.show(); }

void Form1::Command6_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event) {
    // Ending the program: every window goes, nothing is asked or saved.
    windows_.closeAll();
    event->accept();
    QCoreApplication::quit();
}

void Form1::Option1_Click() {
    control<QWidget>("Text3")->setEnabled(true);
    control<QWidget>("Label26")->setEnabled(true);
}

void Form1::Option2_Click() {
    control<QWidget>("Text3")->setEnabled(false);
    control<QWidget>("Label26")->setEnabled(false);
}

}  // namespace krv1::forms
