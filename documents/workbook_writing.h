// A workbook written as an .xlsx file that Excel and LibreOffice open
// without a warning: whole or not at all, as every file the program writes.
#pragma once

#include <QString>
#include <optional>

#include "presentation/workbook.h"

namespace krv1::documents {

// Nothing when the workbook is written; otherwise the Thai message to show.
std::optional<QString> WriteWorkbook(const QString& path, const presentation::Workbook& book);

}  // namespace krv1::documents
