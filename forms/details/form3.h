// The details window: the numbered account of the last calculation, its
// printed report, and a way to the conditions beside it.
#pragma once

#include <functional>
#include <memory>

#include "calculation_record.h"
#include "engine/number_locale.h"
#include "forms/reference/form2.h"
#include "platform/form_window.h"
#include "platform/printer.h"
#include "platform/single_window.h"

namespace krv1::forms {

class Form3 : public platform::FormWindow {
    Q_OBJECT
public:
    using PrinterSource = std::function<std::unique_ptr<platform::Printer>()>;

    explicit Form3(platform::SingleWindow<Form2>& conditions);

    // Writes the 39 value labels for the calculation.
    void fill(const CalculationRecord& record, const NumberLocale& locale);
    // Where the engineer's name is read at the moment of printing.
    void setEngineerNameSource(std::function<QString()> engineerName);
    // The printer each job goes to; the system's default printer unless set.
    void setPrinterSource(PrinterSource printers);

protected:
    QWidget* firstFocus() const override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    platform::SingleWindow<Form2>& conditions_;
    std::function<QString()> engineerName_;
    PrinterSource printers_;
};

}  // namespace krv1::forms
