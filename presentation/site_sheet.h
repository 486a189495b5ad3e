// The site batch sheet: the corrected cubic metre turned into what a site
// batches and orders, per 50 kg bag of cement, for the whole pour, in loose
// volumes and buckets, and its cost. Every figure is worked here, in doubles.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
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

// The sheet's three parts, each a heading and a line a figure.
enum class SitePart { PerBag, Pour, Cost };

// Every figure of the sheet, in the order its parts show them.
enum class SiteFigure : std::size_t {
    BagCement,
    BagWater,
    BagSand,
    BagStone,
    BagAdmixture,
    BagConcrete,
    BagLooseSand,
    BagLooseStone,
    BagSandBuckets,
    BagStoneBuckets,
    OrderVolume,
    PourCement,
    PourBags,
    PourWater,
    PourSand,
    PourLooseSand,
    PourStone,
    PourLooseStone,
    PourAdmixture,
    CostCement,
    CostSand,
    CostStone,
    CostAdmixture,
    CostTotal,
    CostPerCubicMetre,
};
inline constexpr std::size_t kSiteFigures = 25;

// What a figure's formula works from: the corrected metre and the values of
// the settings it needs (only those are read, and they are in range).
struct SiteTerms {
    SiteBasis Basis;
    std::array<double, kSiteSettings> Settings{};
    double operator[](SiteSetting setting) const {
        return Settings[static_cast<std::size_t>(setting)];
    }
};

// The settings a figure needs, one bit each.
using SiteNeeds = unsigned;
constexpr SiteNeeds NeedsOf(std::initializer_list<SiteSetting> settings) {
    SiteNeeds needs = 0;
    for (SiteSetting setting : settings) needs |= 1u << static_cast<unsigned>(setting);
    return needs;
}

// One figure of the sheet: how the JSON names it, how a line shows it, what
// it needs and how it is worked out. The text, the JSON, the window, the
// printed page and the web page all walk these rows.
struct SiteFigureRow {
    SiteFigure Figure;
    SitePart Part;
    std::string_view Key;  // in the part's JSON object
    std::string_view Caption;
    std::string_view Unit;
    int Decimals;
    bool Grouped;  // thousands grouped: the baht
    SiteNeeds Needs;
    // Null for the total and the cost per cubic metre, which are summed from
    // the priced materials.
    double (*Formula)(const SiteTerms&);
};
const std::array<SiteFigureRow, kSiteFigures>& SiteFigureRows();
const SiteFigureRow& RowOf(SiteFigure figure);
// The part's name in the sheet's JSON: "per_bag", "pour", "cost".
std::string_view PartKey(SitePart part);

struct SiteSheet {
    std::array<Figure, kSiteFigures> Figures;
    std::vector<SiteSetting> OutOfRange;  // in the window's order
    std::vector<SiteSetting> PricesLeftOut;
    const Figure& operator[](SiteFigure figure) const {
        return Figures[static_cast<std::size_t>(figure)];
    }
};

SiteSheet ComputeSiteSheet(const SiteBasis& basis, const SiteSettings& settings,
                           const NumberLocale& locale);

// The foot line for a setting out of its range: its caption and its range.
std::string RangeMessage(SiteSetting setting);

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
// places, with the locale's decimal separator; thousands grouped with its
// group separator when asked. The C library's locale plays no part.
std::string FixedText(double value, int decimals, const NumberLocale& locale,
                      bool groupThousands = false);

}  // namespace krv1::presentation
