#include "project_loading.h"

#include "platform/files.h"
#include "platform/utf8_text.h"
#include "text/design_file_texts.h"
#include "text/project_texts.h"

namespace krv1::documents {

std::variant<presentation::Project, QString> LoadProjectFile(const QString& path) {
    using platform::FromUtf8;
    const auto bytes = platform::ReadFileOfAtMost(path, presentation::kLargestProjectBytes);
    if (const auto* failure = std::get_if<platform::ReadFailure>(&bytes)) {
        return *failure == platform::ReadFailure::TooLarge
                   ? FromUtf8(text::project::kTooLarge)
                   : FromUtf8(text::design_file::kCannotOpen) + path;
    }
    const QByteArray& text = std::get<QByteArray>(bytes);
    presentation::ProjectReading reading =
        presentation::ReadProject(std::string_view(text.constData(), text.size()));
    if (const auto* refusal = std::get_if<presentation::DesignRefusal>(&reading))
        return FromUtf8(refusal->Message);
    return std::move(std::get<presentation::Project>(reading));
}

}  // namespace krv1::documents
