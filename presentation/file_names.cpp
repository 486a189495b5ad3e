#include "file_names.h"

namespace krv1::presentation {

namespace {

// The name without the characters that Windows, macOS or Linux refuse in a
// file name, and without control characters.
std::string FileNameSafe(std::string_view name) {
    std::string safe;
    for (const char c : name) {
        const bool refused = c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
                             c == '"' || c == '<' || c == '>' || c == '|' ||
                             static_cast<unsigned char>(c) < 0x20;
        if (!refused) safe += c;
    }
    return safe;
}

std::string NameOfEngineerAndDay(std::string_view engineer, std::string_view isoDate) {
    std::string name = "KRV1 " + FileNameSafe(engineer);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name.append(" ").append(isoDate);
}

}  // namespace

std::string ReportFileName(std::string_view engineer, std::string_view isoDate) {
    return NameOfEngineerAndDay(engineer, isoDate) + ".pdf";
}

std::string DesignFileName(std::string_view engineer, std::string_view isoDate) {
    return NameOfEngineerAndDay(engineer, isoDate) + ".krv1";
}

}  // namespace krv1::presentation
