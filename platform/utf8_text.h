// The program's texts are UTF-8 constants; Qt wants QString.
#pragma once

#include <QString>
#include <string_view>

namespace krv1::platform {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace krv1::platform
