// The program's secondary windows, each at most once, shared by every window
// that shows them.
#pragma once

#include "forms/about/about_window.h"
#include "forms/conditions/conditions_window.h"
#include "forms/details/details_window.h"
#include "forms/materials/materials_window.h"
#include "forms/project/project_window.h"
#include "forms/site_sheet/site_sheet_window.h"
#include "forms/strength_records/records_window.h"
#include "forms/trial_batch/trial_window.h"
#include "platform/single_window.h"

namespace krv1::forms {

struct SecondaryWindows {
    platform::SingleWindow<ConditionsWindow> conditions;
    platform::SingleWindow<AboutWindow> about;
    platform::SingleWindow<DetailsWindow> details{
        [this] { return new DetailsWindow([this] { conditions.show(); }); }};
    platform::SingleWindow<SiteSheetWindow> siteSheet;
    platform::SingleWindow<TrialWindow> trial;
    platform::SingleWindow<RecordsWindow> records;
    platform::SingleWindow<MaterialsWindow> materials;
    platform::SingleWindow<ProjectWindow> project;

    SecondaryWindows() = default;
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    // Closes every secondary window that exists.
    void closeAll();
    // Hides every secondary window, as at the start.
    void hideAll();
};

}  // namespace krv1::forms
