// The on-demand library "printing": the system's printers through Qt Print
// Support.
#include "platform/system_printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

void Name(QPrinter& printer) {
    printer.setCreator(QStringLiteral("KRV1"));
    printer.setDocName(QStringLiteral("KRV1"));
}

}  // namespace

extern "C" Q_DECL_EXPORT krv1::platform::SystemPrinter krv1OpenDefaultSystemPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return {};
    auto* printer = new QPrinter(info, QPrinter::HighResolution);
    printer->setFullPage(false);
    Name(*printer);
    return {printer, info.printerName()};
}

extern "C" Q_DECL_EXPORT krv1::platform::SystemPrinter krv1ChooseSystemPrinter(QWidget* parent) {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    Name(*printer);
    QPrintDialog dialog(printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        delete printer;
        return {};
    }
    // A job printed to a file has no queue to ask.
    const bool toQueue = printer->outputFormat() == QPrinter::NativeFormat;
    return {printer, toQueue ? printer->printerName() : QString()};
}
