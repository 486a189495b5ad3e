#include "file_writing.h"

#include "page_printing.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/utf8_text.h"
#include "text/design_file_texts.h"

namespace krv1::documents {
namespace {

// Whether there was an earlier file is asked before the write: only then
// can the message say that it is still whole.
QString WriteFailedMessage(const QString& path, bool earlierFileKept) {
    namespace f = text::design_file;
    QString message = platform::FromUtf8(f::kWriteFailed) + path;
    if (earlierFileKept) message += u'\n' + platform::FromUtf8(f::kEarlierFileKept);
    return message;
}

}  // namespace

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const bool earlierFile = platform::RegularFileAt(path);
    if (platform::WriteFileWhole(path, bytes)) return std::nullopt;
    return WriteFailedMessage(path, earlierFile);
}

QString WriteFailure(const QString& path) {
    return WriteFailedMessage(path, platform::RegularFileAt(path));
}

std::optional<QString> WritePdf(const QString& path,
                                const std::vector<presentation::PrintedPage>& pages) {
    const bool earlierFile = platform::RegularFileAt(path);
    if (PrintPages(*platform::OpenPdfFile(path), pages)) return std::nullopt;
    return WriteFailedMessage(path, earlierFile);
}

std::optional<QString> WritePdf(const QString& path, const presentation::PrintedPage& page) {
    const bool earlierFile = platform::RegularFileAt(path);
    if (PrintPage(*platform::OpenPdfFile(path), page)) return std::nullopt;
    return WriteFailedMessage(path, earlierFile);
}

}  // namespace krv1::documents
