// Every file the program writes, a design or a PDF page: written whole or
// not at all, and a failure told in Thai with the path, saying that an
// earlier file is whole only when there was one.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "presentation/report_lines.h"

namespace krv1::documents {

// Nothing when the bytes are written; otherwise the message to show.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);
// The message of a write to `path` that failed before it began: whatever
// was there is still whole.
QString WriteFailure(const QString& path);
// The page as a PDF at `path` ("-" for standard output); the same answer.
std::optional<QString> WritePdf(const QString& path, const presentation::PrintedPage& page);
// Pages one after another in one PDF; the same answer.
std::optional<QString> WritePdf(const QString& path,
                                const std::vector<presentation::PrintedPage>& pages);

}  // namespace krv1::documents
