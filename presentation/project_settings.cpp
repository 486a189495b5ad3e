#include "project_settings.h"

#include "engine/number_conversion.h"
#include "text/project_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::project;
using S = ProjectSetting;

constexpr std::array<ProjectSettingRow, kProjectSettings> kRows{{
    {S::SandTruck, "sand_truck_q", t::kSandTruck, 0, 30, true, t::kSandTruckRange},
    {S::ReadyTruck, "ready_truck_m3", t::kReadyTruck, 0, 12, true, t::kReadyTruckRange},
    {S::Co2Cement, "co2_cement", t::kCo2Cement, 0, 2, false, t::kCo2CementRange},
    {S::Co2Sand, "co2_sand", t::kCo2Sand, 0, 0.1, false, t::kCo2SandRange},
    {S::Co2Stone, "co2_stone", t::kCo2Stone, 0, 0.1, false, t::kCo2StoneRange},
    {S::Co2Admixture, "co2_admixture", t::kCo2Admixture, 0, 5, false, t::kCo2AdmixtureRange},
}};

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

const std::array<ProjectSettingRow, kProjectSettings>& ProjectSettingRows() { return kRows; }

ProjectSettingsReading ReadProjectSettings(const ProjectSettings& settings,
                                           const NumberLocale& separators) {
    ProjectValues values;
    for (const ProjectSettingRow& row : kRows) {
        const std::string& text = settings[static_cast<std::size_t>(row.Setting)];
        if (Blank(text)) continue;
        const std::optional<double> value = ParsedDouble(text, separators);
        const bool below = value && (row.MinExcluded ? *value <= row.Min : *value < row.Min);
        if (!value || below || *value > row.Max)
            return ProjectSettingRefusal{row.Setting, std::string(row.Caption).append(row.Range)};
        values[static_cast<std::size_t>(row.Setting)] = value;
    }
    return values;
}

}  // namespace krv1::presentation
