#include "form3.h"

#include <QPushButton>

#include "details_values.h"
#include "form3_layout.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "report_layout.h"
#include "report_printing.h"
#include "text/report_texts.h"
#include "platform/utf8_text.h"

namespace krv1::forms {

namespace {


}  // namespace

Form3::Form3(platform::SingleWindow<Form2>& conditions)
    : FormWindow(kForm3Window, kForm3Controls, platform::RedDiscIcon()),
      conditions_(conditions),
      printers_(platform::OpenDefaultPrinter) {
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, &Form3::Command3_Click);
}

void Form3::fill(const CalculationRecord& record, const NumberLocale& locale) {
    for (const ValueText& value : DetailsValueTexts(record, locale))
        control<platform::FormLabel>(value.Label)->setCaption(QString::fromStdString(value.Text));
}

void Form3::setEngineerNameSource(std::function<QString()> engineerName) {
    engineerName_ = std::move(engineerName);
}

void Form3::setPrinterSource(PrinterSource printers) { printers_ = std::move(printers); }

QWidget* Form3::firstFocus() const { return control<QWidget>("Command2"); }

void Form3::Command1_Click() {
    // The lines are read from the window as it stands, the name at the click.
    const auto captionOf = [this](const char* label) {
        return control<platform::FormLabel>(label)->caption();
    };
    const QString engineer = engineerName_ ? engineerName_() : QString();
    const std::vector<ReportLine> lines = ReportLines(captionOf, engineer);

    std::unique_ptr<platform::Printer> printer = printers_ ? printers_() : nullptr;
    if (!printer) {
        platform::ShowMessage(this, platform::FromUtf8(text::report::kNoDefaultPrinter));
        return;
    }
    if (!PrintReport(*printer, lines))
        platform::ShowMessage(this, platform::FromUtf8(text::report::kPrinterRefused));
}

void Form3::Command2_Click() { hide(); }

void Form3::Command3_Click() { conditions_.show(); }

}  // namespace krv1::forms
