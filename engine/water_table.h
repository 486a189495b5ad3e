// Mixing water and cement-plus-sand volume per cubic metre, by slump, largest
// stone size and admixture.
#pragma once

#include <cstdint>
#include <optional>

#include "mix_input.h"

namespace krv1 {

struct WaterTableRow {
    int16_t W;  // litre per m3
    int16_t P;  // litre per m3
};

// Empty while the slump, the stone size or the admixture choice is not made.
std::optional<WaterTableRow> WaterTable(SlumpChoice slump, StoneChoice stone,
                                        AdmixtureChoice admixture);

}  // namespace krv1
