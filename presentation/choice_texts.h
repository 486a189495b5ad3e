// The list entries of the slump and stone-size choices, both ways: the main
// window fills its lists with them and reads the choice back from the entry.
#pragma once

#include <array>
#include <string_view>

#include "engine/mix_input.h"

namespace krv1::presentation {

// The choices in the order of their list entries.
inline constexpr std::array<SlumpChoice, 3> kSlumpChoices{
    SlumpChoice::Slump7_5, SlumpChoice::Slump10_0, SlumpChoice::Slump12_5};
inline constexpr std::array<StoneChoice, 2> kStoneChoices{StoneChoice::OneInch,
                                                          StoneChoice::ThreeQuarterInch};

// The exact list entry; empty for no choice.
std::string_view SlumpEntry(SlumpChoice slump);
std::string_view StoneEntry(StoneChoice stone);

// The choice a list entry stands for, character for character; None for any
// other text.
SlumpChoice SlumpOfEntry(std::string_view entry);
StoneChoice StoneOfEntry(std::string_view entry);

}  // namespace krv1::presentation
