#include "presentation/file_names.h"

#include <gtest/gtest.h>

namespace krv1::presentation {
namespace {

// Names a file system would refuse, or that would end in a blank, never
// reach a file name; a design and its report are named alike.
TEST(FileNames, FromTheEngineersName) {
    const struct {
        const char* engineer;
        const char* design;
        const char* report;
    } rows[] = {
        {"สมชาย ใจดี", "KRV1 สมชาย ใจดี 2026-12-08.krv1", "KRV1 สมชาย ใจดี 2026-12-08.pdf"},
        {"", "KRV1 2026-12-08.krv1", "KRV1 2026-12-08.pdf"},
        {"  a/b\\c:d*e?f\"g<h>i|j  ", "KRV1   abcdefghij 2026-12-08.krv1",
         "KRV1   abcdefghij 2026-12-08.pdf"},
        {"tab\there\nnew", "KRV1 tabherenew 2026-12-08.krv1", "KRV1 tabherenew 2026-12-08.pdf"},
        {" / ", "KRV1 2026-12-08.krv1", "KRV1 2026-12-08.pdf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.engineer);
        EXPECT_EQ(DesignFileName(row.engineer, "2026-12-08"), row.design);
        EXPECT_EQ(ReportFileName(row.engineer, "2026-12-08"), row.report);
    }
}

}  // namespace
}  // namespace krv1::presentation
