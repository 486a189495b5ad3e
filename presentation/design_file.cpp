#include "design_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

#include "design_json.h"
#include "harmless_text.h"
#include "text/design_file_texts.h"

namespace krv1::presentation {

namespace f = text::design_file;
using Json = DesignJson;

namespace {

// The choices as the file spells them; null is no choice.
constexpr std::array<std::pair<SpecimenShape, std::string_view>, 2> kShapes{
    {{SpecimenShape::Cube, "cube"}, {SpecimenShape::Cylinder, "cylinder"}}};
constexpr std::array<std::pair<AdmixtureChoice, std::string_view>, 2> kAdmixtures{
    {{AdmixtureChoice::WithAdmixture, "with"}, {AdmixtureChoice::WithoutAdmixture, "without"}}};
constexpr std::array<std::pair<SlumpChoice, std::string_view>, 3> kSlumps{
    {{SlumpChoice::Slump7_5, "7.5"},
     {SlumpChoice::Slump10_0, "10.0"},
     {SlumpChoice::Slump12_5, "12.5"}}};
constexpr std::array<std::pair<StoneChoice, std::string_view>, 2> kStones{
    {{StoneChoice::OneInch, "1"}, {StoneChoice::ThreeQuarterInch, "3/4"}}};
constexpr std::array kCements{CementKind::Portland, CementKind::Hydraulic, CementKind::Other};

// A key that is missing or not what it should be.
struct BadKey {
    std::string key;
};

std::string TextAt(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) throw BadKey{key};
    return it->get<std::string>();
}

std::string OptionalTextAt(const Json& object, const char* key, std::string_view absent) {
    if (!object.contains(key)) return std::string(absent);
    return TextAt(object, key);
}

// The boxes kept in the object `key`, when there is one: a string is the
// box's text, null an empty box, and a key left out keeps what the box had.
template <typename Boxes, typename KeyOf>
void ReadBoxes(const Json& file, const char* key, Boxes& boxes, KeyOf keyOf) {
    const auto object = file.find(key);
    if (object == file.end()) return;
    if (!object->is_object()) throw BadKey{key};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::string boxKey(keyOf(i));
        const auto box = object->find(boxKey);
        if (box == object->end()) continue;
        if (box->is_null()) {
            boxes[i].clear();
        } else if (box->is_string()) {
            boxes[i] = box->get<std::string>();
        } else {
            throw BadKey{boxKey};
        }
    }
}

template <typename Choice, std::size_t N>
Choice ChoiceAt(const Json& object, const char* key,
                const std::array<std::pair<Choice, std::string_view>, N>& spellings) {
    const auto it = object.find(key);
    if (it == object.end()) throw BadKey{key};
    if (it->is_null()) return Choice::None;
    if (it->is_string()) {
        const std::string spelled = it->get<std::string>();
        for (const auto& [choice, spelling] : spellings)
            if (spelled == spelling) return choice;
    }
    throw BadKey{key};
}

template <typename Choice, std::size_t N>
Json Spelled(Choice choice, const std::array<std::pair<Choice, std::string_view>, N>& spellings) {
    for (const auto& [known, spelling] : spellings)
        if (known == choice) return std::string(spelling);
    return nullptr;
}

// A record's date or note, harmless and short.
std::string HarmlessTextAt(const Json& object, const char* key) {
    std::string text = TextAt(object, key);
    if (!HarmlessRecordCell(text)) throw BadKey{key};
    return text;
}

// A value kept as text, null and "" both an empty box.
std::string BoxText(const Json& value, const char* key) {
    if (value.is_null()) return {};
    if (!value.is_string()) throw BadKey{key};
    return value.get<std::string>();
}

StrengthRecords ReadRecords(const Json& object) {
    if (!object.is_object()) throw BadKey{"records"};
    StrengthRecords records;
    records.Specimen = ChoiceAt(object, "specimen", kShapes);
    if (records.Specimen == SpecimenShape::None) throw BadKey{"specimen"};
    const auto specified = object.find("specified");
    if (specified == object.end()) throw BadKey{"specified"};
    records.Specified = BoxText(*specified, "specified");
    const auto useMargin = object.find("use_margin");
    if (useMargin == object.end() || !useMargin->is_boolean()) throw BadKey{"use_margin"};
    records.UseMargin = useMargin->get<bool>();
    const auto tests = object.find("tests");
    if (tests == object.end() || !tests->is_array()) throw BadKey{"tests"};
    for (const Json& row : *tests) {
        if (!row.is_object()) throw BadKey{"tests"};
        StrengthTest test;
        test.Date = HarmlessTextAt(row, "date");
        test.Note = HarmlessTextAt(row, "note");
        const auto values = row.find("values");
        if (values == row.end() || !values->is_array() || values->size() > kSpecimensPerTest)
            throw BadKey{"values"};
        for (std::size_t i = 0; i < values->size(); ++i)
            test.Values[i] = BoxText((*values)[i], "values");
        records.Tests.push_back(std::move(test));
    }
    return records;
}

// The materials' object: the cement's kind, Portland when left out, and the
// boxes as any other group of boxes.
MaterialTexts ReadMaterialTexts(const Json& file) {
    MaterialTexts materials;
    const auto object = file.find("materials");
    if (object == file.end()) return materials;
    if (!object->is_object()) throw BadKey{"materials"};
    if (const auto cement = object->find("cement"); cement != object->end()) {
        const auto kind = std::find_if(kCements.begin(), kCements.end(), [&](CementKind known) {
            return cement->is_string() && *cement == CementKey(known);
        });
        if (kind == kCements.end()) throw BadKey{"cement"};
        materials.Cement = *kind;
    }
    ReadBoxes(file, "materials", materials.Boxes,
              [](std::size_t i) { return MaterialBoxRows()[i].Key; });
    return materials;
}

// Whether an older KRV1, which knows only the method's materials, would
// calculate the design as this one does. Boxes it cannot read count as
// different: they are the engineer's to mend, not the method's values.
bool MethodMaterials(const Design& design) {
    if (design.Materials.Cement != CementKind::Portland) return false;
    const MaterialsReading read = ReadMaterials(design.Materials, design.Locale);
    const auto* materials = std::get_if<Materials>(&read);
    return materials && *materials == Materials{};
}

Json RecordsObject(const StrengthRecords& records) {
    Json tests = Json::array();
    for (const StrengthTest& test : records.Tests)
        tests.push_back(Json{{"date", test.Date}, {"values", test.Values}, {"note", test.Note}});
    return Json{{"specimen", Spelled(records.Specimen, kShapes)},
                {"specified", records.Specified.empty() ? Json() : Json(records.Specified)},
                {"use_margin", records.UseMargin},
                {"tests", std::move(tests)}};
}

DesignReading Refused(std::string_view message, std::string_view detail = {}) {
    return DesignRefusal{std::string(message).append(detail)};
}

}  // namespace

bool HarmlessEngineerName(std::string_view name) {
    return HarmlessLine(name, kLongestEngineerName);
}

std::variant<Design, DesignObjectRefusal> DesignFromJson(const Json& file) {
    const auto refused = [](std::string_view message, std::string key = {}) {
        return DesignObjectRefusal{message, std::move(key)};
    };
    if (!file.is_object()) return refused(f::kNotADesign);
    const auto format = file.find("format");
    if (format == file.end() || !format->is_string() || *format != kDesignFormat)
        return refused(f::kNotADesign);
    const auto version = file.find("version");
    if (version == file.end() || !version->is_number()) return refused(f::kIncomplete, "version");
    // A whole number too large for an integer is read as a double; it is
    // still a version, only a newer one.
    const double number = version->get<double>();
    if (number != std::floor(number) || number < 1) return refused(f::kIncomplete, "version");
    if (number > kDesignVersion) return refused(f::kNewerVersion);
    try {
        Design design;
        design.Locale.DecimalSeparator = OptionalTextAt(file, "decimal", ".");
        design.Locale.GroupSeparator = OptionalTextAt(file, "group", ",");
        if (design.Locale.DecimalSeparator.empty()) throw BadKey{"decimal"};
        // With one mark for both, "1,250" would read one way and be written
        // back another; such a file was not written by a sane locale.
        if (design.Locale.GroupSeparator == design.Locale.DecimalSeparator) throw BadKey{"group"};
        design.Engineer = TextAt(file, "engineer");
        if (!HarmlessEngineerName(design.Engineer)) throw BadKey{"engineer"};
        design.Project = OptionalTextAt(file, "project", "");
        if (!HarmlessEngineerName(design.Project)) throw BadKey{"project"};
        const auto inputs = file.find("inputs");
        if (inputs == file.end() || !inputs->is_object()) throw BadKey{"inputs"};
        MixInput& input = design.Input;
        input.RequiredStrength = TextAt(*inputs, "strength");
        input.Shape = ChoiceAt(*inputs, "shape", kShapes);
        input.Admixture = ChoiceAt(*inputs, "admixture", kAdmixtures);
        input.DosageText = TextAt(*inputs, "dosage");
        input.Slump = ChoiceAt(*inputs, "slump", kSlumps);
        input.Stone = ChoiceAt(*inputs, "stone", kStones);
        input.SandMoistureText = TextAt(*inputs, "moisture");
        ReadBoxes(file, "site", design.Site,
                  [](std::size_t i) { return BoxOf(static_cast<SiteSetting>(i)).key; });
        if (file.contains("trial")) {
            design.Trial.emplace();
            ReadBoxes(file, "trial", *design.Trial,
                      [](std::size_t i) { return TrialBoxRows()[i].Key; });
        }
        if (const auto records = file.find("records"); records != file.end())
            design.Records = ReadRecords(*records);
        design.Materials = ReadMaterialTexts(file);
        return design;
    } catch (const BadKey& bad) {
        return refused(f::kIncomplete, bad.key);
    }
}

DesignReading ReadDesign(std::string_view fileText) {
    if (fileText.size() > kLargestDesignBytes) return Refused(f::kTooLarge);
    // No exceptions from the parser: a text that is not JSON is simply
    // discarded, and so is one with invalid UTF-8.
    const Json file = Json::parse(fileText, nullptr, false);
    if (file.is_discarded()) return Refused(f::kNotADesign);
    auto read = DesignFromJson(file);
    if (auto* refusal = std::get_if<DesignObjectRefusal>(&read))
        return Refused(refusal->Message, refusal->Key);
    return std::get<Design>(std::move(read));
}

namespace {

// The texts of a design's boxes as an object, an empty box as null.
template <typename Boxes, typename KeyOf>
Json BoxesObject(const Boxes& boxes, KeyOf keyOf) {
    Json object = Json::object();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        object[std::string(keyOf(i))] = boxes[i].empty() ? Json(nullptr) : Json(boxes[i]);
    return object;
}

}  // namespace

Json DesignToJson(const Design& design) {
    const MixInput& input = design.Input;
    Json inputs = Json::object();
    inputs["strength"] = input.RequiredStrength;
    inputs["shape"] = Spelled(input.Shape, kShapes);
    inputs["admixture"] = Spelled(input.Admixture, kAdmixtures);
    inputs["dosage"] = input.DosageText;
    inputs["slump"] = Spelled(input.Slump, kSlumps);
    inputs["stone"] = Spelled(input.Stone, kStones);
    inputs["moisture"] = input.SandMoistureText;
    Json file = Json::object();
    file["format"] = kDesignFormat;
    // A trial or records are kept only by a version that knows them; an older
    // KRV1 then refuses the file as newer rather than drop them on a save.
    // Materials other than the method's it would not even know it ignores:
    // it would batch with the wrong gravities.
    file["version"] = !MethodMaterials(design)                                    ? 3
                      : design.Trial || design.Records || !design.Project.empty() ? 2
                                                                                  : 1;
    file["decimal"] = design.Locale.DecimalSeparator;
    file["group"] = design.Locale.GroupSeparator;
    file["engineer"] = design.Engineer;
    if (!design.Project.empty()) file["project"] = design.Project;
    file["inputs"] = std::move(inputs);
    file["site"] = BoxesObject(
        design.Site, [](std::size_t i) { return BoxOf(static_cast<SiteSetting>(i)).key; });
    if (design.Trial)
        file["trial"] =
            BoxesObject(*design.Trial, [](std::size_t i) { return TrialBoxRows()[i].Key; });
    if (design.Records) file["records"] = RecordsObject(*design.Records);
    if (design.Materials != MaterialTexts{}) {
        Json materials{{"cement", CementKey(design.Materials.Cement)}};
        materials.update(BoxesObject(design.Materials.Boxes,
                                     [](std::size_t i) { return MaterialBoxRows()[i].Key; }));
        file["materials"] = std::move(materials);
    }
    return file;
}

std::string WriteDesign(const Design& design) {
    // Texts that are not UTF-8 are written with the replacement character
    // rather than refused: a save must not fail on a name.
    return DesignToJson(design).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) +
           "\n";
}

std::string_view SpellingOf(SlumpChoice slump) {
    for (const auto& [choice, spelling] : kSlumps)
        if (choice == slump) return spelling;
    return {};
}

std::string_view SpellingOf(StoneChoice stone) {
    for (const auto& [choice, spelling] : kStones)
        if (choice == stone) return spelling;
    return {};
}

std::string_view FieldOf(FaultyInput input) {
    switch (input) {
        case FaultyInput::Strength:
            return "strength";
        case FaultyInput::SpecimenShape:
            return "shape";
        case FaultyInput::AdmixtureChoice:
            return "admixture";
        case FaultyInput::Dosage:
            return "dosage";
        case FaultyInput::Slump:
            return "slump";
        case FaultyInput::StoneSize:
            return "stone";
        case FaultyInput::SandMoisture:
            return "moisture";
    }
    return "strength";
}

}  // namespace krv1::presentation
