// The site's materials as the engineer types them: the cement's kind and
// six boxes, each a text with the design's separators, an empty box taking
// the method's value. Read, they are the engine's Materials or the refusal
// of one box; described, they are the report's lines.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/calculation.h"
#include "engine/materials.h"
#include "engine/number_locale.h"

namespace krv1::presentation {

enum class CementKind { Portland, Hydraulic, Other };

enum class MaterialBox {
    CementGravity,
    SandGravity,
    SandAbsorption,
    StoneGravity,
    StoneAbsorption,
    StoneMoisture,
};
inline constexpr std::size_t kMaterialBoxes = 6;

// The most characters a box's figure takes, blanks around it aside.
inline constexpr std::size_t kLongestMaterialText = 5;

struct MaterialTexts {
    CementKind Cement = CementKind::Portland;
    std::array<std::string, kMaterialBoxes> Boxes;  // as typed; empty: the default

    bool operator==(const MaterialTexts&) const = default;
};

// A box: its file key, caption, the method's value as the report writes it
// (empty: none), the range it takes, both ends included, and its refusal.
struct MaterialBoxRow {
    MaterialBox Box;
    std::string_view Key;
    std::string_view Caption;
    std::string_view Default;
    double Min;
    double Max;
    std::string_view Refused;
};
const std::array<MaterialBoxRow, kMaterialBoxes>& MaterialBoxRows();

// The cement's name in the list and its file key.
std::string_view CementName(CementKind kind);
std::string_view CementKey(CementKind kind);

struct MaterialsRefusal {
    MaterialBox Box;
    std::string Message;

    bool operator==(const MaterialsRefusal&) const = default;
};
using MaterialsReading = std::variant<Materials, MaterialsRefusal>;

// The materials the texts give, or the first box, in the boxes' order, that
// cannot be used: not a figure, out of its range or longer than
// kLongestMaterialText. A stone moisture needs the stone's absorption.
MaterialsReading ReadMaterials(const MaterialTexts& texts, const NumberLocale& separators);

// Whether the cement, a gravity or the sand's absorption is not the method's.
bool DiffersFromTheMethod(const MaterialTexts& texts, const Materials& read);

// The notes every calculation with these materials carries: with a cement
// other than Portland, that the method's W/C curve is Portland's.
std::vector<std::string> MaterialNotes(const MaterialTexts& texts);

// The main window's line that says the design is not calculated with the
// method's materials, and what differs; empty when nothing does.
std::string MaterialsNotice(const MaterialTexts& texts, const Materials& read);

// The report's lines after its last: the materials, when they differ from
// the method's, and the stone's water, when the stone was corrected.
std::vector<std::string> MaterialsReportLines(const MaterialTexts& texts, const Materials& read,
                                              const MixDesign& design,
                                              const NumberLocale& separators);

}  // namespace krv1::presentation
