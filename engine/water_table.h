// Mixing water and cement-plus-sand volume per cubic metre, by slump, largest
// stone size and admixture. Keys are the exact list entries.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "mix_input.h"

namespace krv1 {

struct WaterTableRow {
    int16_t W;  // litre per m3
    int16_t P;  // litre per m3
};

// Empty when the texts are not list entries or no admixture choice is made.
std::optional<WaterTableRow> WaterTable(std::string_view slumpText,
                                        std::string_view aggregateText,
                                        AdmixtureChoice admixture);

bool IsSlumpEntry(std::string_view text);
bool IsAggregateEntry(std::string_view text);

}  // namespace krv1
