// The site batch sheet: the corrected cubic metre turned into what a site
// batches and orders, per 50 kg bag of cement, for the whole pour, in loose
// volumes and buckets, and its cost. Every figure is worked here, in doubles.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "details_values.h"
#include "engine/calculation.h"
#include "engine/number_locale.h"
#include "report_lines.h"

namespace krv1::presentation {

enum class SiteSetting : std::size_t {
    Volume,
    Waste,
    Bag,
    SandDensity,
    StoneDensity,
    Bucket,
    PriceCement,
    PriceSand,
    PriceStone,
    PriceAdmixture,
};
inline constexpr std::size_t kSiteSettings = 10;

// One box of the sheet's settings: how a design file keys it, its caption,
// and the text it starts with.
struct SiteSettingBox {
    std::string_view key;      // in a design file's "site" object
    std::string_view caption;  // the box's caption
    std::string_view defaultText;
    bool optional;  // an empty box gives no figure rather than a refusal
};
const SiteSettingBox& BoxOf(SiteSetting setting);

// The boxes' texts, as typed; an empty text is an empty box.
using SiteSettings = std::array<std::string, kSiteSettings>;
SiteSettings DefaultSiteSettings();

// The corrected cubic metre the sheet works from.
struct SiteBasis {
    double Cement = 0;  // C, kg
    double Water = 0;   // Wt, litres
    double Sand = 0;    // S, kg, wet as batched
    double Stone = 0;   // G, kg
    double Dosage = 0;  // M, cc per 100 kg of cement
};
SiteBasis BasisOf(const MixDesign& design);

// A figure, or why there is none: it waits on a setting out of its range
// ("–"), or a setting it needs was left empty (nothing shown).
struct Figure {
    std::optional<double> Value;
    bool Waiting = false;
};

struct SiteSheet {
    // Per bag: cement_kg, water_l, sand_kg, stone_kg, admixture_cc, concrete_m3,
    // sand_loose_l, stone_loose_l, sand_buckets, stone_buckets.
    std::array<Figure, 10> PerBag;
    // The pour: order_volume_m3, cement_kg, cement_bags, water_l, sand_kg,
    // sand_loose_m3, stone_kg, stone_loose_m3, admixture_l.
    std::array<Figure, 9> Pour;
    // Cost: cement, sand, stone, admixture, total, per_m3.
    std::array<Figure, 6> Cost;
    std::vector<SiteSetting> OutOfRange;  // in the window's order
    std::vector<SiteSetting> PricesLeftOut;
};

SiteSheet ComputeSiteSheet(const SiteBasis& basis, const SiteSettings& settings,
                           const NumberLocale& locale);

// The foot line for a setting out of its range: its caption and its range.
std::string RangeMessage(SiteSetting setting);

// The JSON names of the three parts' figures, in their order.
extern const std::array<std::string_view, 10> kPerBagNames;
extern const std::array<std::string_view, 9> kPourNames;
extern const std::array<std::string_view, 6> kCostNames;

// The three parts as the window shows them, one text each, a line a figure.
struct SiteSheetTexts {
    std::string Basis;
    std::string PerBag;
    std::string Pour;
    std::string Cost;
    std::string Foot;  // the first setting out of range, or empty
};
SiteSheetTexts SiteSheetPartTexts(const SiteSheet& sheet, const SiteBasis& basis,
                                  const NumberLocale& locale);

// The design the sheet comes from, a line each: the engineer (when named),
// the required strength, slump, stone size, admixture and sand moisture.
std::vector<std::string> SiteDesignLines(const DetailsTexts& account, std::string_view engineer,
                                         const std::string& moistureText);

// The whole sheet as plain text for the clipboard and the command line, and
// as the lines of its printed page, headed by the design it comes from.
std::string SiteSheetPlainText(const SiteSheet& sheet, const SiteBasis& basis,
                               const std::vector<std::string>& designLines,
                               const NumberLocale& locale);
std::vector<ReportLine> SiteSheetPage(const SiteSheet& sheet, const SiteBasis& basis,
                                      const std::vector<std::string>& designLines,
                                      const NumberLocale& locale);
// The unrounded figures, null where none can be given.
std::string SiteSheetJson(const SiteSheet& sheet);

// Rounded half away from zero, of the exact binary value, to `decimals`
// places; thousands grouped with "," when asked.
std::string FixedText(double value, int decimals, const NumberLocale& locale,
                      bool groupThousands = false);

}  // namespace krv1::presentation
