// The details window: the numbered account of the last calculation, its
// printed report, and a way to the conditions beside it.
#pragma once

#include <functional>
#include <memory>

#include "platform/form_window.h"
#include "platform/printer.h"
#include "presentation/details_values.h"
#include "presentation/report_lines.h"

namespace krv1::forms {

class DetailsWindow : public platform::FormWindow {
    Q_OBJECT
public:
    using PrinterSource = std::function<std::unique_ptr<platform::Printer>()>;

    // `openConditions` shows the conditions of the method beside the account.
    explicit DetailsWindow(std::function<void()> openConditions);

    // Shows the account of a calculation; the report prints the same texts.
    void fill(const presentation::DetailsTexts& account);
    // Where the engineer's and the project's names and the day are read at
    // the moment of printing, and the name a PDF is proposed under.
    void setReportNamesSource(std::function<presentation::ReportNames()> names);
    void setPdfNameSource(std::function<QString()> name) { pdfName_ = std::move(name); }
    // What the site batch sheet command opens.
    void setSiteSheetOpener(std::function<void()> open) { openSiteSheet_ = std::move(open); }
    // What the trial batch command opens.
    void setTrialOpener(std::function<void()> open) { openTrial_ = std::move(open); }
    // The printer each job goes to; the system's default printer unless set.
    void setPrinterSource(PrinterSource printers);

    void printReport();
    void saveReportAsPdf();

protected:
    QWidget* firstFocus() const override;

private:
    presentation::PrintedPage reportPage() const;

    std::function<void()> openConditions_;
    presentation::DetailsTexts account_;
    std::function<presentation::ReportNames()> names_;
    std::function<QString()> pdfName_;
    std::function<void()> openSiteSheet_;
    std::function<void()> openTrial_;
    PrinterSource printers_;
};

}  // namespace krv1::forms
