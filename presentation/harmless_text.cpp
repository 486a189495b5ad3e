#include "harmless_text.h"

namespace krv1::presentation {

bool HarmlessLine(std::string_view name, std::size_t longest) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(name[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || at + length > name.size()) return false;
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(name[at + i]);
            if ((next & 0xC0) != 0x80) return false;
            character = (character << 6) | (next & 0x3F);
        }
        at += length;
        const bool control = character < 0x20 || (character >= 0x7F && character <= 0x9F);
        const bool bidi = (character >= 0x202A && character <= 0x202E) ||
                          (character >= 0x2066 && character <= 0x2069);
        if (control || bidi) return false;
    }
    return characters <= longest;
}

}  // namespace krv1::presentation
