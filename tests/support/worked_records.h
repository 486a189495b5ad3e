// Strength records used across the tests.
#pragma once

#include <string>

#include "presentation/strength_records.h"

namespace krv1::testing {

// Fifteen cube tests of 300 to 328 ksc ((i x 7) mod 30 above 300): on the
// worked design they earn a margin of 14.3 ksc, F 254 in place of 300. The
// second test reads `second`, so that a test can make it no strength.
inline presentation::StrengthRecords FifteenCubeTests(bool useMargin,
                                                      const std::string& second = "307") {
    presentation::StrengthRecords records{SpecimenShape::Cube, "", useMargin, {}};
    for (int i = 0; i < 15; ++i)
        records.Tests.push_back({"", {std::to_string(300 + (i * 7) % 30), "", ""}, ""});
    records.Tests[1].Values[0] = second;
    return records;
}

}  // namespace krv1::testing
