#include "water_table.h"

#include <array>

#include "text/mix_choices.h"

namespace krv1 {
namespace {

struct Row {
    std::string_view slump;
    std::string_view aggregate;
    int16_t waterWithAdmixture;
    int16_t waterWithout;
    int16_t paste;
};

// The admixture saves 10 litres of water in every cell; the paste volume
// depends on the stone size alone.
constexpr std::array<Row, 6> kRows{{
    {text::kSlump75, text::kStone1Inch, 170, 180, 380},
    {text::kSlump75, text::kStone3Quarter, 180, 190, 400},
    {text::kSlump100, text::kStone1Inch, 180, 190, 380},
    {text::kSlump100, text::kStone3Quarter, 190, 200, 400},
    {text::kSlump125, text::kStone1Inch, 190, 200, 380},
    {text::kSlump125, text::kStone3Quarter, 200, 210, 400},
}};

}  // namespace

std::optional<WaterTableRow> WaterTable(std::string_view slumpText,
                                        std::string_view aggregateText,
                                        AdmixtureChoice admixture) {
    if (admixture == AdmixtureChoice::None) return std::nullopt;
    for (const Row& row : kRows) {
        if (row.slump == slumpText && row.aggregate == aggregateText) {
            const int16_t water = admixture == AdmixtureChoice::WithAdmixture
                                      ? row.waterWithAdmixture
                                      : row.waterWithout;
            return WaterTableRow{water, row.paste};
        }
    }
    return std::nullopt;
}

bool IsSlumpEntry(std::string_view text) {
    for (std::string_view entry : text::kSlumpEntries)
        if (entry == text) return true;
    return false;
}

bool IsAggregateEntry(std::string_view text) {
    for (std::string_view entry : text::kStoneEntries)
        if (entry == text) return true;
    return false;
}

}  // namespace krv1
