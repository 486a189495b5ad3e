// The entries of the slump and stone-size lists. They are also the keys of
// the water table, so every blank in them matters.
#pragma once

#include <array>
#include <string_view>

namespace krv1::text {

inline constexpr std::string_view kSlump75 = " 7.5 (บวก,ลบ)2.5  ";
inline constexpr std::string_view kSlump100 = " 10.0 (บวก,ลบ) 2.5";
inline constexpr std::string_view kSlump125 = " 12.5 (บวก,ลบ) 2.5";
inline constexpr std::array<std::string_view, 3> kSlumpEntries{kSlump75, kSlump100, kSlump125};

inline constexpr std::string_view kStone1Inch = " 1นิ้ว -  #4";
inline constexpr std::string_view kStone3Quarter = " 3/4 นิ้ว -  #4";
inline constexpr std::array<std::string_view, 2> kStoneEntries{kStone1Inch, kStone3Quarter};

}  // namespace krv1::text
