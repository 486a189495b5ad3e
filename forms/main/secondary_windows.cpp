#include "secondary_windows.h"

namespace krv1::forms {

void SecondaryWindows::closeAll() {
    if (ConditionsWindow* window = conditions.existing()) window->close();
    if (AboutWindow* window = about.existing()) window->close();
    if (DetailsWindow* window = details.existing()) window->close();
    if (SiteSheetWindow* window = siteSheet.existing()) window->close();
    if (TrialWindow* window = trial.existing()) window->close();
    if (RecordsWindow* window = records.existing()) window->close();
    if (MaterialsWindow* window = materials.existing()) window->close();
    if (ProjectWindow* window = project.existing()) window->close();
}

void SecondaryWindows::hideAll() {
    if (ConditionsWindow* window = conditions.existing()) window->hide();
    if (AboutWindow* window = about.existing()) window->hide();
    if (DetailsWindow* window = details.existing()) window->hide();
    if (SiteSheetWindow* window = siteSheet.existing()) window->hide();
    if (TrialWindow* window = trial.existing()) window->hide();
    if (RecordsWindow* window = records.existing()) window->hide();
    if (MaterialsWindow* window = materials.existing()) window->hide();
    if (ProjectWindow* window = project.existing()) window->hide();
}

}  // namespace krv1::forms
