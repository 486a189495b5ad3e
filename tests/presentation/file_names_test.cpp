#include "presentation/file_names.h"

#include <gtest/gtest.h>

namespace krv1::presentation {
namespace {

// Names a file system would refuse, or that would end in a blank, never
// reach a file name.
TEST(FileNames, FromTheEngineersName) {
    const struct {
        const char* engineer;
        const char* design;
    } rows[] = {
        {"สมชาย ใจดี", "KRV1 สมชาย ใจดี 2026-12-08.krv1"},
        {"", "KRV1 2026-12-08.krv1"},
        {"  a/b\\c:d*e?f\"g<h>i|j  ", "KRV1   abcdefghij 2026-12-08.krv1"},
        {"tab\there\nnew", "KRV1 tabherenew 2026-12-08.krv1"},
        {" / ", "KRV1 2026-12-08.krv1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.engineer);
        EXPECT_EQ(DesignFileName(row.engineer, "2026-12-08"), row.design);
    }
}

// Three designs of one day do not share a PDF's name: a design kept in a
// file takes the file's, one without takes its project's; each page of a
// design has a name of its own.
TEST(FileNames, PdfsOfADesign) {
    const struct {
        PdfNaming naming;
        PageKind kind;
        const char* name;
    } rows[] = {
        {{"/home/somchai/งาน/ฐานราก F1.krv1", "บ้าน", "สมชาย", "2026-12-08"},
         PageKind::Report,
         "ฐานราก F1.pdf"},
        {{"C:/งาน/เสา C3.krv1", "", "", "2026-12-08"},
         PageKind::SiteSheet,
         "เสา C3 ตารางผสมหน้างาน.pdf"},
        {{"", "บ้านคุณสมศรี ซอย 5", "สมชาย", "2026-12-08"},
         PageKind::Report,
         "KRV1 บ้านคุณสมศรี ซอย 5 สมชาย 2026-12-08.pdf"},
        {{"", "", "สมชาย", "2026-12-08"}, PageKind::Trial, "KRV1 สมชาย 2026-12-08 ผสมทดลอง.pdf"},
        {{"", " a/b ", "", "2026-12-08"},
         PageKind::Records,
         "KRV1 ab 2026-12-08 ผลทดสอบกำลังอัด.pdf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PdfFileName(row.naming, row.kind), row.name);
    }
}

}  // namespace
}  // namespace krv1::presentation
