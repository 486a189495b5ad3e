#include "water_table.h"

#include <array>

namespace krv1 {
namespace {

struct Row {
    SlumpChoice slump;
    StoneChoice stone;
    int16_t waterWithAdmixture;
    int16_t waterWithout;
    int16_t paste;
};

// The admixture saves 10 litres of water in every cell; the paste volume
// depends on the stone size alone.
constexpr std::array<Row, 6> kRows{{
    {SlumpChoice::Slump7_5, StoneChoice::OneInch, 170, 180, 380},
    {SlumpChoice::Slump7_5, StoneChoice::ThreeQuarterInch, 180, 190, 400},
    {SlumpChoice::Slump10_0, StoneChoice::OneInch, 180, 190, 380},
    {SlumpChoice::Slump10_0, StoneChoice::ThreeQuarterInch, 190, 200, 400},
    {SlumpChoice::Slump12_5, StoneChoice::OneInch, 190, 200, 380},
    {SlumpChoice::Slump12_5, StoneChoice::ThreeQuarterInch, 200, 210, 400},
}};

}  // namespace

std::optional<WaterTableRow> WaterTable(SlumpChoice slump, StoneChoice stone,
                                        AdmixtureChoice admixture) {
    if (admixture == AdmixtureChoice::None) return std::nullopt;
    for (const Row& row : kRows) {
        if (row.slump == slump && row.stone == stone) {
            const int16_t water = admixture == AdmixtureChoice::WithAdmixture
                                      ? row.waterWithAdmixture
                                      : row.waterWithout;
            return WaterTableRow{water, row.paste};
        }
    }
    return std::nullopt;
}

}  // namespace krv1
