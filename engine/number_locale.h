// The separators of the engineer's locale, as the windows read them from the
// system. The engine itself never asks the system.
#pragma once

#include <string>

namespace krv1 {

struct NumberLocale {
    std::string DecimalSeparator = ".";
    std::string GroupSeparator = ",";

    bool operator==(const NumberLocale&) const = default;
};

}  // namespace krv1
