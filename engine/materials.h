// The materials a design is proportioned with. The method's own values are
// the defaults: ordinary Portland cement and river sand and crushed stone as
// the method's tables assume them, with no correction for the stone's water.
#pragma once

#include <optional>

namespace krv1 {

// The method's values. As doubles they are the literals the method's
// worksheet uses, so that a design with the defaults gives the same bits.
inline constexpr double kCementSpecificGravity = 3.15;
inline constexpr double kSandSpecificGravity = 2.65;  // saturated surface-dry
inline constexpr double kStoneSpecificGravity = 2.7;  // saturated surface-dry
inline constexpr double kSandAbsorptionPercent = 0.7;

// The stone's water, measured on site: the stone is batched wet and the
// water it brings beyond its absorption is taken off the mixing water.
struct StoneWater {
    double MoisturePercent = 0;
    double AbsorptionPercent = 0;

    bool operator==(const StoneWater&) const = default;
};

struct Materials {
    double CementGravity = kCementSpecificGravity;
    double SandGravity = kSandSpecificGravity;
    double SandAbsorption = kSandAbsorptionPercent;  // percent
    double StoneGravity = kStoneSpecificGravity;
    // None: the stone is taken as saturated surface-dry, as the method takes it.
    std::optional<StoneWater> Stone;

    bool operator==(const Materials&) const = default;
};

}  // namespace krv1
