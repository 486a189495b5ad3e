#include <gtest/gtest.h>

#include "presentation/design_report.h"

namespace krv1::presentation {
namespace {

// Names a file system would refuse, or that would end in a blank, never
// reach a file name; an empty name gives the program's.
TEST(FileNames, FromTheEngineersName) {
    const struct {
        const char* engineer;
        const char* design;
        const char* report;
    } rows[] = {
        {"สมชาย ใจดี", "สมชาย ใจดี.krv1", "KRV1 สมชาย ใจดี 2026-12-08.pdf"},
        {"", "KRV1.krv1", "KRV1 2026-12-08.pdf"},
        {"  a/b\\c:d*e?f\"g<h>i|j  ", "abcdefghij.krv1", "KRV1   abcdefghij 2026-12-08.pdf"},
        {"tab\there\nnew", "tabherenew.krv1", "KRV1 tabherenew 2026-12-08.pdf"},
        {" / ", "KRV1.krv1", "KRV1 2026-12-08.pdf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.engineer);
        EXPECT_EQ(DesignFileName(row.engineer), row.design);
        EXPECT_EQ(ReportFileName(row.engineer, "2026-12-08"), row.report);
    }
}

}  // namespace
}  // namespace krv1::presentation
