// A project's own settings: the trucks that carry its sand and stone and its
// ready-mixed concrete, and the carbon factors of its materials. Each is a
// text typed with the project's separators; an empty one is not given, and
// no carbon factor has a default: it is the supplier's own figure.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/number_locale.h"

namespace krv1::presentation {

enum class ProjectSetting : std::size_t {
    SandTruck,   // คิว a trip
    ReadyTruck,  // m3 a truck
    Co2Cement,   // kg CO2e a kg
    Co2Sand,
    Co2Stone,
    Co2Admixture,  // kg CO2e a litre
};
inline constexpr std::size_t kProjectSettings = 6;
using ProjectSettings = std::array<std::string, kProjectSettings>;

// A setting's key in the project file, its caption, and the range it takes.
struct ProjectSettingRow {
    ProjectSetting Setting;
    std::string_view Key;
    std::string_view Caption;
    double Min;
    double Max;
    bool MinExcluded;        // a truck carries more than nothing
    std::string_view Range;  // the refusal after the caption
};
const std::array<ProjectSettingRow, kProjectSettings>& ProjectSettingRows();

// The settings' values, each empty where not given.
using ProjectValues = std::array<std::optional<double>, kProjectSettings>;
struct ProjectSettingRefusal {
    ProjectSetting Setting;
    std::string Message;  // the caption and its range

    bool operator==(const ProjectSettingRefusal&) const = default;
};
using ProjectSettingsReading = std::variant<ProjectValues, ProjectSettingRefusal>;

// The values, or the first setting that is not a figure in its range.
ProjectSettingsReading ReadProjectSettings(const ProjectSettings& settings,
                                           const NumberLocale& separators);

}  // namespace krv1::presentation
