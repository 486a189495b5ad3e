// A project on A4 pages: the orders first, as a sheet's rows, then the
// comparison, three elements a page side by side.
#pragma once

#include <vector>

#include "project_evaluation.h"
#include "sheet_rows.h"

namespace krv1::presentation {

// The elements a comparison page sets side by side.
inline constexpr std::size_t kElementsPerPage = 3;

std::vector<PrintedPage> ProjectPages(const Project& project, const ProjectEvaluation& evaluation,
                                      const CalendarDate& day, const PageFace& face);

}  // namespace krv1::presentation
