#include "details_window.h"

#include <QPushButton>
#include <QShortcut>

#include "details_window_layout.h"
#include "documents/page_printing.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "presentation/report_lines.h"

namespace krv1::forms {

namespace k = details_controls;

DetailsWindow::DetailsWindow(std::function<void()> openConditions)
    : FormWindow(kDetailsWindowLayout, kDetailsWindowControls, platform::RedDiscIcon()),
      openConditions_(std::move(openConditions)),
      printers_(platform::OpenDefaultPrinter) {
    connect(control<QPushButton>(k::kPrintCommand), &QPushButton::clicked, this,
            &DetailsWindow::printReport);
    connect(control<QPushButton>(k::kSavePdfCommand), &QPushButton::clicked, this,
            &DetailsWindow::saveReportAsPdf);
    connect(control<QPushButton>(k::kTrialCommand), &QPushButton::clicked, this, [this] {
        if (openTrial_) openTrial_();
    });
    connect(control<QPushButton>(k::kSiteSheetCommand), &QPushButton::clicked, this, [this] {
        if (openSiteSheet_) openSiteSheet_();
    });
    connect(control<QPushButton>(k::kCloseCommand), &QPushButton::clicked, this,
            &DetailsWindow::hide);
    // Esc does what the close command does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &DetailsWindow::hide);
    connect(control<QPushButton>(k::kConditionsCommand), &QPushButton::clicked, this,
            [this] { openConditions_(); });
}

void DetailsWindow::fill(const presentation::DetailsTexts& account) {
    account_ = account;
    for (std::size_t i = 0; i < presentation::kDetailsValues; ++i) {
        const auto value = static_cast<presentation::DetailsValue>(i);
        control<platform::FormLabel>(ValueLabel(value))
            ->setCaption(platform::FromUtf8(account[value]));
    }
    const QString targetCaption = platform::FromUtf8(account.TargetCaption);
    control<platform::FormLabel>(k::kTargetStrengthCaption)->setCaption(targetCaption);
    control<platform::FormLabel>(ValueLabel(presentation::DetailsValue::TargetStrength))
        ->setCaptionedBy(targetCaption);
    control<platform::FormLabel>(k::kCubeBasisLabel)
        ->setCaption(platform::FromUtf8(account.CubeBasisLine));
}

void DetailsWindow::setReportNamesSource(std::function<presentation::ReportNames()> names) {
    names_ = std::move(names);
}

void DetailsWindow::setPrinterSource(PrinterSource printers) { printers_ = std::move(printers); }

QWidget* DetailsWindow::firstFocus() const { return control<QWidget>(k::kCloseCommand); }

presentation::PrintedPage DetailsWindow::reportPage() const {
    // The account shown, signed with the names as they read at the command.
    return presentation::ReportPage(account_, names_ ? names_() : presentation::ReportNames{});
}

void DetailsWindow::saveReportAsPdf() {
    documents::SavePageAsPdf(this, reportPage(),
                             pdfName_ ? pdfName_() : QStringLiteral("KRV1.pdf"));
}

void DetailsWindow::printReport() {
    documents::PrintPageOrSay(this, printers_ ? printers_() : nullptr, reportPage());
}

}  // namespace krv1::forms
