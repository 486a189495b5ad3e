#include "file_names.h"

#include <filesystem>

#include "text/report_texts.h"

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

std::string DesignFileName(std::string_view engineer, std::string_view isoDate) {
    return NameOfEngineerAndDay(engineer, isoDate) + ".krv1";
}

std::string PdfFileName(const PdfNaming& naming, PageKind kind) {
    namespace r = text::report;
    std::string name;
    if (!naming.DesignFile.empty()) {
        name = FileNameSafe(std::filesystem::path(naming.DesignFile).stem().string());
    } else {
        name = "KRV1";
        for (const std::string& part : {naming.Project, naming.Engineer, naming.IsoDate}) {
            std::string safe = FileNameSafe(part);
            while (!safe.empty() && safe.back() == ' ') safe.pop_back();
            while (!safe.empty() && safe.front() == ' ') safe.erase(0, 1);
            if (!safe.empty()) name.append(" ").append(safe);
        }
    }
    switch (kind) {
        case PageKind::Report:
            break;
        case PageKind::SiteSheet:
            name += r::kSheetPdfSuffix;
            break;
        case PageKind::Trial:
            name += r::kTrialPdfSuffix;
            break;
        case PageKind::Records:
            name += r::kRecordsPdfSuffix;
            break;
    }
    return name + ".pdf";
}

}  // namespace krv1::presentation
