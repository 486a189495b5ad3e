// Parts of the program that only some windows and commands use, kept in
// libraries of their own and loaded the first time they are needed, so that
// the program's start does not pay for them: Qt Charts (with Qt's OpenGL
// widgets under it) for the trial's and records' charts, Qt Print Support
// for the system's printers, and qpdf for the text a PDF's reader copies.
#pragma once

#include <QFunctionPointer>

namespace krv1::platform {

// The function `symbol` of the program's library `name` (libkrv1_<name>),
// loaded once and kept. Null when it cannot be loaded.
QFunctionPointer ResolveOnDemand(const char* name, const char* symbol);

}  // namespace krv1::platform
