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
#include <variant>
#include <vector>

#include "calendar_date.h"
#include "details_values.h"
#include "engine/calculation.h"
#include "engine/number_locale.h"
#include "report_lines.h"
#include "sheet_rows.h"

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
    double Cement = 0;          // C, kg
    double Water = 0;           // Wt, litres
    double Sand = 0;            // S, kg, wet as batched
    double Stone = 0;           // G, kg
    double Dosage = 0;          // M, cc per 100 kg of cement
    bool WithAdmixture = true;  // without, the sheet has no admixture rows
};
SiteBasis BasisOf(const MixInput& input, const MixDesign& design);

// A figure, or why there is none: it waits on a setting out of its range
// ("–"), or a setting it needs was left empty (nothing shown).
struct FigureLeftOut {
    bool operator==(const FigureLeftOut&) const = default;
};
struct FigureWaits {
    bool operator==(const FigureWaits&) const = default;
};
using Figure = std::variant<FigureLeftOut, double, FigureWaits>;
inline std::optional<double> ValueOf(const Figure& figure) {
    if (const double* value = std::get_if<double>(&figure)) return *value;
    return std::nullopt;
}
inline bool Waits(const Figure& figure) { return std::holds_alternative<FigureWaits>(figure); }

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
    bool Grouped;  // thousands grouped: the whole pour and the baht
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

// What a sheet is printed from besides its settings: the corrected metre,
// the design's own lines, its separators and the day it is printed.
struct SiteSheetSource {
    SiteBasis Basis;
    // The engineer (when named), the required strength, slump, stone size
    // (without a unit: the sheet names the stone as a site orders it),
    // admixture and sand moisture.
    std::vector<std::string> DesignLines;
    NumberLocale Locale;
    CalendarDate Date;
};
SiteSheetSource SiteSheetSourceOf(const MixInput& input, const MixDesign& design,
                                  std::string_view engineer, const NumberLocale& locale,
                                  const CalendarDate& date);

// The three parts as the window shows them, one text each, a line a figure.
struct SiteSheetTexts {
    std::string Heading;  // the date and the design, on one line
    std::string Basis;
    std::string PerBag;
    std::string Pour;
    std::string Cost;
    std::string Foot;  // the first setting out of range, or empty
};
SiteSheetTexts SiteSheetPartTexts(const SiteSheet& sheet, const SiteSheetSource& source);

// The whole sheet as plain text for the clipboard and the command line.
std::string SiteSheetPlainText(const SiteSheet& sheet, const SiteSheetSource& source,
                               const SiteSettings& settings);

// The sheet's rows: the title, the date and settings, the design, then its
// parts, each a heading and a row a figure.
std::vector<SheetRow> SiteSheetRows(const SiteSheet& sheet, const SiteSheetSource& source,
                                    const SiteSettings& settings);

// The sheet on one A4 page, its figures in ruled columns, in the largest
// face with which the whole sheet fits.
PrintedPage SiteSheetPage(const SiteSheet& sheet, const SiteSheetSource& source,
                          const SiteSettings& settings, const PageFace& face);

// The unrounded figures, null where none can be given.
std::string SiteSheetJson(const SiteSheet& sheet);

}  // namespace krv1::presentation
