// The names the program proposes for what it saves: the engineer's name
// (if any) and the ISO date, without the characters file systems refuse, so
// that a day's designs of one engineer are told apart.
#pragma once

#include <string>
#include <string_view>

namespace krv1::presentation {

// "KRV1 สมชาย 2026-12-09.krv1"
std::string DesignFileName(std::string_view engineer, std::string_view isoDate);

// Which of a design's pages a PDF holds.
enum class PageKind { Report, SiteSheet, Trial, Records };

// What tells one design's PDFs from another's.
struct PdfNaming {
    std::string DesignFile;  // the path of its file; empty when it has none
    std::string Project;
    std::string Engineer;
    std::string IsoDate;
};

// A design kept in a file takes the file's name: "ฐานราก F1.pdf",
// "ฐานราก F1 ตารางผสมหน้างาน.pdf". One without takes its project's name, the
// engineer's and the day: "KRV1 บ้านคุณสมศรี สมชาย 2026-12-09.pdf".
std::string PdfFileName(const PdfNaming& naming, PageKind kind);

}  // namespace krv1::presentation
