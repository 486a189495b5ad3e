// Arbitrary bytes as a project file: every text is read or refused with a
// message, and every project read is worked out whole, its JSON, text and
// workbook made, and written back into a text that reads as a project.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "presentation/project_report.h"
#include "presentation/project_workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace krv1::presentation;
    const ProjectReading reading =
        ReadProject(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* refusal = std::get_if<DesignRefusal>(&reading)) {
        if (refusal->Message.empty()) std::abort();
        return 0;
    }
    const Project& project = std::get<Project>(reading);
    const ProjectShown shown = ShowProject(project, {2026, 12, 9});
    if (shown.Refusal && shown.Refusal->Message.empty()) std::abort();
    for (const ElementFigures& element : shown.Evaluation.Elements)
        if (!element.Mix && element.Refusal.empty()) std::abort();
    if (ProjectJson(shown.Evaluation).empty() ||
        ProjectText(project, shown.Evaluation, {2026, 12, 9}).empty())
        std::abort();
    if (ProjectWorkbook(project, shown.Evaluation, {2026, 12, 9}).Sheets.size() !=
        3 + project.Elements.size())
        std::abort();
    if (!std::holds_alternative<Project>(ReadProject(WriteProject(project)))) std::abort();
    return 0;
}
