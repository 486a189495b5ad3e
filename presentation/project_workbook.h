// A project as the workbook the engineer would otherwise type: its summary,
// its orders, the comparison of its elements, and a sheet for each element
// with its report and its site sheet.
#pragma once

#include "project_evaluation.h"
#include "workbook.h"

namespace krv1::presentation {

Workbook ProjectWorkbook(const Project& project, const ProjectEvaluation& evaluation,
                         const CalendarDate& day);

}  // namespace krv1::presentation
