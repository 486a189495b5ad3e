#include "details_window.h"

#include <QPushButton>
#include <QShortcut>

#include "details_window_layout.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/utf8_text.h"
#include "presentation/report_lines.h"
#include "report_printing.h"
#include "text/report_texts.h"

namespace krv1::forms {

namespace k = details_controls;

DetailsWindow::DetailsWindow(platform::SingleWindow<ConditionsWindow>& conditions)
    : FormWindow(kDetailsWindowLayout, kDetailsWindowControls, platform::RedDiscIcon()),
      conditions_(conditions),
      printers_(platform::OpenDefaultPrinter) {
    connect(control<QPushButton>(k::kPrintCommand), &QPushButton::clicked, this,
            &DetailsWindow::printReport);
    connect(control<QPushButton>(k::kSavePdfCommand), &QPushButton::clicked, this,
            &DetailsWindow::saveReportAsPdf);
    connect(control<QPushButton>(k::kSiteSheetCommand), &QPushButton::clicked, this, [this] {
        if (openSiteSheet_) openSiteSheet_();
    });
    connect(control<QPushButton>(k::kCloseCommand), &QPushButton::clicked, this,
            &DetailsWindow::hide);
    // Esc does what the close command does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &DetailsWindow::hide);
    connect(control<QPushButton>(k::kConditionsCommand), &QPushButton::clicked, this,
            [this] { conditions_.show(); });
}

void DetailsWindow::fill(const presentation::DetailsTexts& account) {
    account_ = account;
    const auto& texts = account.inOrder();
    for (std::size_t i = 0; i < texts.size(); ++i)
        control<platform::FormLabel>(kDetailsValueLabels[i])
            ->setCaption(platform::FromUtf8(texts[i]));
}

void DetailsWindow::setEngineerNameSource(std::function<QString()> engineerName) {
    engineerName_ = std::move(engineerName);
}

void DetailsWindow::setPrinterSource(PrinterSource printers) { printers_ = std::move(printers); }

QWidget* DetailsWindow::firstFocus() const { return control<QWidget>(k::kCloseCommand); }

void DetailsWindow::saveReportAsPdf() {
    const QString engineer = engineerName_ ? engineerName_() : QString();
    SaveReportAsPdf(this, presentation::ReportLines(account_, engineer.toStdString()), engineer);
}

void DetailsWindow::printReport() {
    // The account shown, signed with the name as it reads at the click.
    const QString engineer = engineerName_ ? engineerName_() : QString();
    const auto lines = presentation::ReportLines(account_, engineer.toStdString());

    std::unique_ptr<platform::Printer> printer = printers_ ? printers_() : nullptr;
    if (!printer) {
        platform::ShowMessage(this, platform::FromUtf8(text::report::kNoDefaultPrinter));
        return;
    }
    if (!PrintReport(*printer, lines))
        platform::ShowMessage(this, platform::FromUtf8(text::report::kPrinterRefused));
}

}  // namespace krv1::forms
