// A project kept in a file: UTF-8 JSON with the extension .krv1proj.
//
//   {"format": "krv1-project", "version": 1, "decimal": ".", "group": ",",
//    "name": "บ้านคุณสมศรี ซอย 5", "engineer": "สมชาย ใจดี",
//    "settings": {"sand_truck_q": "5", "ready_truck_m3": "5", "co2_cement": null, ...},
//    "elements": [{"name": "ฐานราก F1-F8", "supply": "site", "design": {...}}, ...]}
//
// Each element's design is a design file's object, its version and all, so
// that an element saves out as a .krv1 and a .krv1 comes in as an element.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "design_file.h"
#include "project_settings.h"

namespace krv1::presentation {

inline constexpr std::string_view kProjectFormat = "krv1-project";
inline constexpr int kProjectVersion = 1;
// 200 elements of a large design each stay well under this.
inline constexpr std::size_t kLargestProjectBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kMostElements = 200;

// How an element's concrete comes to the site.
enum class Supply { Site, Ready };
std::string_view SupplyKey(Supply supply);   // "site", "ready"
std::string_view SupplyName(Supply supply);  // as the engineer reads it

struct ProjectElement {
    std::string Name;  // the engineer's rule: harmless, at most 60 characters
    Supply Supplied = Supply::Site;
    presentation::Design Design;

    bool operator==(const ProjectElement&) const = default;
};

struct Project {
    NumberLocale Locale;  // the separators its settings were typed with
    std::string Name;
    std::string Engineer;
    ProjectSettings Settings;
    std::vector<ProjectElement> Elements;

    bool operator==(const Project&) const = default;
};

// The project a text holds, or the Thai message that refuses it: too large,
// not JSON, another format, a newer version, more than kMostElements
// elements, or a key missing or mistyped, named with its place:
// "elements[3].design.inputs".
using ProjectReading = std::variant<Project, DesignRefusal>;
ProjectReading ReadProject(std::string_view fileText);

// The project as a file's text, pretty-printed, ending in a newline.
std::string WriteProject(const Project& project);

}  // namespace krv1::presentation
