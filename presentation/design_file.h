// A design kept in a file: UTF-8 JSON with the extension .krv1.
//
//   {"format": "krv1-design", "version": 1, "decimal": ".", "group": ",",
//    "engineer": "...", "project": "...", "inputs": {"strength": "240", "shape": "cube",
//    "admixture": "with", "dosage": "250", "slump": "7.5", "stone": "3/4",
//    "moisture": "5"},
//    "site": {"volume": "12", "bucket": null, ...},
//    "trial": {"cubes": "6", "slump": "9", "density": null, ...},
//    "records": {"specimen": "cube", "specified": "240", "use_margin": true,
//                "tests": [{"date": "3 ม.ค.", "values": ["245", "251", ""],
//                           "note": ""}, ...]},
//    "materials": {"cement": "hydraulic", "cement_sg": "3.05", "sand_sg": null, ...}}
//
// The texts are kept exactly as typed, with the separators they were typed
// with, so that a file means the same on every machine. Every front end reads
// and writes designs through this one codec.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/calculation.h"
#include "engine/mix_input.h"
#include "engine/number_locale.h"
#include "site_materials.h"
#include "site_sheet.h"
#include "strength_records.h"
#include "trial_batch.h"

namespace krv1::presentation {

inline constexpr std::string_view kDesignFormat = "krv1-design";
// Version 2 adds the trial batch, the strength records and the project's
// name; version 3 the site's materials. A design is written with the lowest
// version that holds all it has, so that an older KRV1 refuses only what it
// would get wrong.
inline constexpr int kDesignVersion = 3;
// No design comes near this; anything larger is not one.
inline constexpr std::size_t kLargestDesignBytes = 1024 * 1024;

// The longest engineer's name, in characters (Unicode code points).
inline constexpr std::size_t kLongestEngineerName = 60;

// Whether a name can stand as it is on the report, the sheet and a terminal:
// a harmless line (harmless_text.h) of at most kLongestEngineerName
// characters.
bool HarmlessEngineerName(std::string_view name);

struct Design {
    std::string Engineer;
    MixInput Input;
    NumberLocale Locale;  // the separators the texts were typed with
    // The site batch sheet's boxes; keys a file lacks take the defaults.
    SiteSettings Site = DefaultSiteSettings();
    // The trial batch's boxes, when the design has been tried.
    std::optional<TrialInputs> Trial;
    // The site's strength records, when the engineer has kept them here.
    std::optional<StrengthRecords> Records;
    // The project's name; empty when none is named. The engineer's rule holds.
    std::string Project;
    // The site's materials as typed; empty boxes take the method's values.
    MaterialTexts Materials;

    bool operator==(const Design&) const = default;
};

// Why a text is not a design: the Thai message to show.
struct DesignRefusal {
    std::string Message;
};
// The design a text holds, or why there is none.
using DesignReading = std::variant<Design, DesignRefusal>;

// Refuses, with its Thai message, a text that is too large, is not JSON, has
// another format or a newer version, or misses or mistypes a key; an
// engineer's name that is not harmless is a mistyped key.
DesignReading ReadDesign(std::string_view fileText);

// The design as a file's text, pretty-printed, ending in a newline.
std::string WriteDesign(const Design& design);

// How a file spells a list's choice: "7.5", "10.0", "12.5"; "1", "3/4".
// Empty for no choice.
std::string_view SpellingOf(SlumpChoice slump);
std::string_view SpellingOf(StoneChoice stone);

// The design-file key of the input at fault: "strength", "shape", ...
std::string_view FieldOf(FaultyInput input);

}  // namespace krv1::presentation
