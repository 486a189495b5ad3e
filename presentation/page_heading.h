// What the trial's and the records' printed pages say above their rows: who
// worked the design, for which project, what it was designed for, and when.
#pragma once

#include <string>
#include <vector>

#include "engine/mix_input.h"
#include "report_lines.h"
#include "sheet_rows.h"

namespace krv1::presentation {

// The engineer and the project when named, the required strength with its
// specimen, and the day.
std::vector<std::string> PageHeadingLines(const ReportNames& names, const MixInput& input);

// `rows` with `heading` a line each after their title.
std::vector<SheetRow> WithPageHeading(std::vector<SheetRow> rows,
                                      const std::vector<std::string>& heading);

}  // namespace krv1::presentation
