#include "design_loading.h"

#include "platform/files.h"
#include "platform/utf8_text.h"
#include "text/design_file_texts.h"

namespace krv1::documents {

std::variant<presentation::Design, QString> LoadDesignFile(const QString& path) {
    namespace f = text::design_file;
    using platform::FromUtf8;
    const auto bytes = platform::ReadFileOfAtMost(path, presentation::kLargestDesignBytes);
    if (const auto* failure = std::get_if<platform::ReadFailure>(&bytes)) {
        return *failure == platform::ReadFailure::TooLarge ? FromUtf8(f::kTooLarge)
                                                           : FromUtf8(f::kCannotOpen) + path;
    }
    const QByteArray& text = std::get<QByteArray>(bytes);
    presentation::DesignReading reading =
        presentation::ReadDesign(std::string_view(text.constData(), text.size()));
    if (const auto* refusal = std::get_if<presentation::DesignRefusal>(&reading))
        return FromUtf8(refusal->Message);
    return std::move(std::get<presentation::Design>(reading));
}

}  // namespace krv1::documents
