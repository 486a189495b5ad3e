// A design as a JSON object, for the files that hold one: a design file is
// one, and a project holds one per element. The refusal names the key at
// fault as the file spells it, for the caller to place.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "design_file.h"

namespace krv1::presentation {

using DesignJson = nlohmann::ordered_json;

// Why an object is not a design: its Thai message and, for a key missing or
// mistyped, the key (the message is then kIncomplete's, to be followed by it).
struct DesignObjectRefusal {
    std::string_view Message;
    std::string Key;
};

std::variant<Design, DesignObjectRefusal> DesignFromJson(const DesignJson& object);
DesignJson DesignToJson(const Design& design);

}  // namespace krv1::presentation
