// The system's printers, reached through Qt Print Support in the on-demand
// library "printing" (on_demand/system_printer.cpp), which the program
// loads with its first print rather than at every start.
#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QWidget>

namespace krv1::platform {

// A printer's page to paint on, and the print queue it goes to: empty when
// the job goes to a file instead (the print dialog's "print to file").
struct SystemPrinter {
    QPagedPaintDevice* device = nullptr;  // owned by whoever asked; null: none
    QString queue;
};

// The system's default printer; no device when there is none.
using OpenDefaultSystemPrinter = SystemPrinter (*)();
// The printer and copies chosen in Qt's print dialog over `parent`; no
// device when the dialog is cancelled.
using ChooseSystemPrinter = SystemPrinter (*)(QWidget* parent);

inline constexpr char kPrintingLibrary[] = "printing";
inline constexpr char kOpenDefaultSystemPrinter[] = "krv1OpenDefaultSystemPrinter";
inline constexpr char kChooseSystemPrinter[] = "krv1ChooseSystemPrinter";

}  // namespace krv1::platform
