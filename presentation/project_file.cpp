#include "project_file.h"

#include <cmath>

#include "design_json.h"
#include "text/design_file_texts.h"
#include "text/project_texts.h"

namespace krv1::presentation {
namespace {

namespace f = text::design_file;
namespace t = text::project;
using Json = DesignJson;

// A key missing or mistyped, by its place in the file.
struct BadKey {
    std::string path;
};
// An element's design from a newer KRV1.
struct NewerDesign {};

std::string TextAt(const Json& object, const char* key, const std::string& path) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) throw BadKey{path};
    return it->get<std::string>();
}

std::string NameAt(const Json& object, const char* key, const std::string& path) {
    std::string name = TextAt(object, key, path);
    if (!HarmlessEngineerName(name)) throw BadKey{path};
    return name;
}

ProjectSettings ReadSettings(const Json& file) {
    ProjectSettings settings;
    const auto object = file.find("settings");
    if (object == file.end()) return settings;
    if (!object->is_object()) throw BadKey{"settings"};
    for (const ProjectSettingRow& row : ProjectSettingRows()) {
        const auto value = object->find(std::string(row.Key));
        if (value == object->end() || value->is_null()) continue;
        if (!value->is_string()) throw BadKey{"settings." + std::string(row.Key)};
        settings[static_cast<std::size_t>(row.Setting)] = value->get<std::string>();
    }
    return settings;
}

ProjectElement ReadElement(const Json& object, const std::string& path) {
    if (!object.is_object()) throw BadKey{path};
    ProjectElement element;
    element.Name = NameAt(object, "name", path + ".name");
    const std::string supply = TextAt(object, "supply", path + ".supply");
    if (supply == SupplyKey(Supply::Ready)) {
        element.Supplied = Supply::Ready;
    } else if (supply != SupplyKey(Supply::Site)) {
        throw BadKey{path + ".supply"};
    }
    const auto design = object.find("design");
    if (design == object.end()) throw BadKey{path + ".design"};
    auto read = DesignFromJson(*design);
    if (auto* refusal = std::get_if<DesignObjectRefusal>(&read)) {
        if (refusal->Message == f::kNewerVersion) throw NewerDesign{};
        throw BadKey{path + ".design" + (refusal->Key.empty() ? "" : "." + refusal->Key)};
    }
    element.Design = std::get<Design>(std::move(read));
    return element;
}

}  // namespace

std::string_view SupplyKey(Supply supply) { return supply == Supply::Ready ? "ready" : "site"; }

std::string_view SupplyName(Supply supply) {
    return supply == Supply::Ready ? t::kReadyMixed : t::kSiteMixed;
}

ProjectReading ReadProject(std::string_view fileText) {
    const auto refused = [](std::string_view message, std::string_view detail = {}) {
        return DesignRefusal{std::string(message).append(detail)};
    };
    if (fileText.size() > kLargestProjectBytes) return refused(t::kTooLarge);
    const Json file = Json::parse(fileText, nullptr, false);
    if (file.is_discarded() || !file.is_object()) return refused(t::kNotAProject);
    const auto format = file.find("format");
    if (format == file.end() || !format->is_string() || *format != kProjectFormat)
        return refused(t::kNotAProject);
    const auto version = file.find("version");
    if (version == file.end() || !version->is_number()) return refused(f::kIncomplete, "version");
    const double number = version->get<double>();
    if (number != std::floor(number) || number < 1) return refused(f::kIncomplete, "version");
    if (number > kProjectVersion) return refused(f::kNewerVersion);
    try {
        Project project;
        const auto mark = [&](const char* key, const char* absent) {
            return file.contains(key) ? TextAt(file, key, key) : std::string(absent);
        };
        project.Locale.DecimalSeparator = mark("decimal", ".");
        project.Locale.GroupSeparator = mark("group", ",");
        if (project.Locale.DecimalSeparator.empty()) throw BadKey{"decimal"};
        if (project.Locale.GroupSeparator == project.Locale.DecimalSeparator) throw BadKey{"group"};
        project.Name = NameAt(file, "name", "name");
        project.Engineer = NameAt(file, "engineer", "engineer");
        project.Settings = ReadSettings(file);
        const auto elements = file.find("elements");
        if (elements == file.end() || !elements->is_array()) throw BadKey{"elements"};
        if (elements->size() > kMostElements) return refused(t::kTooManyElements);
        for (std::size_t i = 0; i < elements->size(); ++i)
            project.Elements.push_back(
                ReadElement((*elements)[i], "elements[" + std::to_string(i) + "]"));
        return project;
    } catch (const BadKey& bad) {
        return refused(f::kIncomplete, bad.path);
    } catch (const NewerDesign&) {
        return refused(f::kNewerVersion);
    }
}

std::string WriteProject(const Project& project) {
    Json settings = Json::object();
    for (const ProjectSettingRow& row : ProjectSettingRows()) {
        const std::string& text = project.Settings[static_cast<std::size_t>(row.Setting)];
        settings[std::string(row.Key)] = text.empty() ? Json(nullptr) : Json(text);
    }
    Json elements = Json::array();
    for (const ProjectElement& element : project.Elements)
        elements.push_back(Json{{"name", element.Name},
                                {"supply", SupplyKey(element.Supplied)},
                                {"design", DesignToJson(element.Design)}});
    const Json file{{"format", kProjectFormat},
                    {"version", kProjectVersion},
                    {"decimal", project.Locale.DecimalSeparator},
                    {"group", project.Locale.GroupSeparator},
                    {"name", project.Name},
                    {"engineer", project.Engineer},
                    {"settings", std::move(settings)},
                    {"elements", std::move(elements)}};
    return file.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace krv1::presentation
