#include "site_sheet.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string_view>
#include <utility>

#include "choice_texts.h"
#include "engine/number_conversion.h"
#include "figure_text.h"
#include "text/details_texts.h"
#include "text/site_sheet_texts.h"

namespace krv1::presentation {

namespace s = text::site_sheet;
using Setting = SiteSetting;

namespace {

constexpr std::array<SiteSettingBox, kSiteSettings> kBoxes{{
    {"volume", s::kVolume, "1", false},
    {"waste", s::kWaste, "0", false},
    {"bag", s::kBag, "50", false},
    {"sand_density", s::kSandDensity, "1400", false},
    {"stone_density", s::kStoneDensity, "1500", false},
    {"bucket", s::kBucket, "", true},
    {"price_cement", s::kPriceCement, "", true},
    {"price_sand", s::kPriceSand, "", true},
    {"price_stone", s::kPriceStone, "", true},
    {"price_admixture", s::kPriceAdmixture, "", true},
}};

struct Range {
    double min;
    double max;
    bool minExcluded;  // the volume: more than 0
};

Range RangeOf(Setting setting) {
    switch (setting) {
        case Setting::Volume:
            return {0, 10000, true};
        case Setting::Waste:
            return {0, 100, false};
        case Setting::Bag:
            return {1, 100, false};
        case Setting::SandDensity:
        case Setting::StoneDensity:
            return {500, 3000, false};
        case Setting::Bucket:
            return {1, 1000, false};
        default:
            return {0, INFINITY, false};
    }
}

// A setting's value: a number in its range, nothing for an empty optional
// box, or out of range (any other text).
struct Read {
    std::optional<double> value;
    bool outOfRange = false;
};

Read ReadSetting(Setting setting, const std::string& text, const NumberLocale& locale) {
    const SiteSettingBox& box = BoxOf(setting);
    const bool blank = text.find_first_not_of(" \t") == std::string::npos;
    if (blank && box.optional) return {};
    // A text that is no number is out of range as much as one too large.
    if (const std::optional<double> value = ParsedDouble(text, locale)) {
        const Range range = RangeOf(setting);
        const bool above = range.minExcluded ? *value > range.min : *value >= range.min;
        if (above && *value <= range.max) return {*value, false};
    }
    return {std::nullopt, true};
}

// A figure from the settings it needs: waiting when one is out of range,
// empty when one is left empty.
Figure FigureOf(const SiteFigureRow& row, const std::array<Read, kSiteSettings>& read,
                const SiteBasis& basis) {
    const auto needed = [&row](std::size_t setting) { return (row.Needs >> setting) & 1u; };
    for (std::size_t i = 0; i < kSiteSettings; ++i)
        if (needed(i) && read[i].outOfRange) return FigureWaits{};
    SiteTerms terms{basis, {}};
    for (std::size_t i = 0; i < kSiteSettings; ++i) {
        if (!needed(i)) continue;
        if (!read[i].value) return FigureLeftOut{};
        terms.Settings[i] = *read[i].value;
    }
    // A price too large for a double gives no figure, as a setting out of
    // range does.
    const double value = row.Formula(terms);
    if (!std::isfinite(value)) return FigureWaits{};
    return value;
}

std::string Shown(const Figure& figure, FigureDigits digits, const NumberLocale& locale) {
    if (Waits(figure)) return std::string(s::kWaiting);
    const std::optional<double> value = ValueOf(figure);
    if (!value) return {};
    return FigureText(*value, digits, locale);
}

std::string Joined(const std::vector<std::string>& lines, std::string_view between) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += between;
        text += line;
    }
    return text;
}

// Each price and the cost it makes, in the window's order.
constexpr std::array<std::pair<SiteSetting, SiteFigure>, 4> kPricedCosts{{
    {Setting::PriceCement, SiteFigure::CostCement},
    {Setting::PriceSand, SiteFigure::CostSand},
    {Setting::PriceStone, SiteFigure::CostStone},
    {Setting::PriceAdmixture, SiteFigure::CostAdmixture},
}};

bool IsAdmixtureFigure(SiteFigure figure) {
    return figure == SiteFigure::BagAdmixture || figure == SiteFigure::PourAdmixture ||
           figure == SiteFigure::CostAdmixture;
}

// The table's rows of each part, without the admixture's when there is none.
struct Parts {
    std::vector<SheetRow> basis;
    std::array<std::vector<SheetRow>, 3> figures;  // by SitePart
    const std::vector<SheetRow>& of(SitePart part) const {
        return figures[static_cast<std::size_t>(part)];
    }
};

// A figure that waits, or that a setting left empty holds back, stands
// without its unit.
SheetRow FigureRow(std::string caption, std::string figure, std::string_view unit) {
    const bool bare = figure.empty() || figure == s::kWaiting;
    return SheetRow{SheetRow::Kind::Figure, std::move(caption), std::move(figure),
                    std::string(bare ? std::string_view() : unit)};
}

Parts PartRows(const SiteSheet& sheet, const SiteBasis& basis, const NumberLocale& locale) {
    Parts parts;
    const auto whole = [&](double value) { return FigureText(value, Decimals(0), locale); };
    parts.basis = {FigureRow(std::string(s::kCement), whole(basis.Cement), s::kKg),
                   FigureRow(std::string(s::kWater), whole(basis.Water), s::kLitre),
                   FigureRow(std::string(s::kSand), whole(basis.Sand), s::kKg),
                   FigureRow(std::string(s::kStone), whole(basis.Stone), s::kKg)};
    if (basis.WithAdmixture)
        parts.basis.push_back(
            FigureRow(std::string(s::kDosage), whole(basis.Dosage), s::kCcPer100Kg));
    const auto leftOut = [&sheet] {
        std::string names;
        for (SiteSetting leftOut : sheet.PricesLeftOut)
            for (const auto& [price, cost] : kPricedCosts)
                if (price == leftOut)
                    names.append(names.empty() ? "" : ", ").append(RowOf(cost).Caption);
        return names;
    };
    for (const SiteFigureRow& row : SiteFigureRows()) {
        if (!basis.WithAdmixture && IsAdmixtureFigure(row.Figure)) continue;
        std::string caption(row.Caption);
        if (row.Figure == SiteFigure::CostTotal && !sheet.PricesLeftOut.empty() &&
            ValueOf(sheet[row.Figure]))
            caption.append(s::kLeftOut).append(leftOut()).append(s::kLeftOutClose);
        parts.figures[static_cast<std::size_t>(row.Part)].push_back(FigureRow(
            std::move(caption),
            Shown(sheet[row.Figure], Decimals(row.Decimals, row.Grouped), locale), row.Unit));
    }
    return parts;
}

std::vector<std::string> RowLines(const std::vector<SheetRow>& rows) {
    std::vector<std::string> lines;
    for (const SheetRow& row : rows) lines.push_back(SheetRowText(row));
    return lines;
}

}  // namespace

const SiteSettingBox& BoxOf(SiteSetting setting) {
    return kBoxes[static_cast<std::size_t>(setting)];
}

SiteSettings DefaultSiteSettings() {
    SiteSettings settings;
    for (std::size_t i = 0; i < kSiteSettings; ++i)
        settings[i] = std::string(kBoxes[i].defaultText);
    return settings;
}

SiteBasis BasisOf(const MixInput& input, const MixDesign& design) {
    return SiteBasis{design.Adjusted.Cement,
                     design.Adjusted.Water,
                     design.Adjusted.Sand,
                     design.Adjusted.Stone,
                     static_cast<double>(design.State.M),
                     input.Admixture == AdmixtureChoice::WithAdmixture};
}

SiteSheet ComputeSiteSheet(const SiteBasis& basis, const SiteSettings& settings,
                           const NumberLocale& locale) {
    std::array<Read, kSiteSettings> read;
    SiteSheet sheet;
    for (std::size_t i = 0; i < kSiteSettings; ++i) {
        read[i] = ReadSetting(static_cast<Setting>(i), settings[i], locale);
        if (read[i].outOfRange) sheet.OutOfRange.push_back(static_cast<Setting>(i));
    }
    for (const SiteFigureRow& row : SiteFigureRows())
        if (row.Formula)
            sheet.Figures[static_cast<std::size_t>(row.Figure)] = FigureOf(row, read, basis);
    // The total of the priced materials: waiting when one of them waits,
    // none when no price is given; the prices left empty are named.
    bool anyWaits = false;
    std::optional<double> sum;
    for (const auto& [priceSetting, costFigure] : kPricedCosts) {
        const Read& price = read[static_cast<std::size_t>(priceSetting)];
        const Figure& cost = sheet[costFigure];
        anyWaits = anyWaits || Waits(cost);
        const bool priceApplies = basis.WithAdmixture || priceSetting != Setting::PriceAdmixture;
        if (!price.value && !price.outOfRange && priceApplies)
            sheet.PricesLeftOut.push_back(priceSetting);
        if (const auto value = ValueOf(cost)) sum = sum.value_or(0) + *value;
    }
    Figure total = FigureLeftOut{};
    Figure perCubicMetre = FigureLeftOut{};
    if (anyWaits) {
        total = perCubicMetre = FigureWaits{};
    } else if (sum) {
        total = *sum;
        perCubicMetre = *sum / *read[static_cast<std::size_t>(Setting::Volume)].value;
    }
    sheet.Figures[static_cast<std::size_t>(SiteFigure::CostTotal)] = total;
    sheet.Figures[static_cast<std::size_t>(SiteFigure::CostPerCubicMetre)] = perCubicMetre;
    return sheet;
}

std::string RangeMessage(SiteSetting setting) {
    std::string message(BoxOf(setting).caption);
    if (setting == Setting::Volume) return message.append(s::kVolumeRange);
    if (setting >= Setting::PriceCement) return message.append(s::kPriceRange);
    const Range range = RangeOf(setting);
    const NumberLocale plain;
    return message.append(s::kRangeFrom)
        .append(FigureText(range.min, Decimals(0), plain))
        .append(s::kRangeTo)
        .append(FigureText(range.max, Decimals(0), plain));
}

SiteSheetSource SiteSheetSourceOf(const MixInput& input, const MixDesign& design,
                                  std::string_view engineer, const NumberLocale& locale,
                                  const CalendarDate& date) {
    namespace d = text::details;
    using V = DetailsValue;
    const DetailsTexts account = DetailsValueTexts(input, design, locale);
    std::vector<std::string> lines;
    if (!engineer.empty()) lines.push_back(std::string(s::kEngineer).append(engineer));
    lines.push_back(std::string(d::kRequiredStrength).append(account[V::RequiredStrength]));
    lines.push_back(std::string(d::kSlump).append(account[V::Slump]));
    lines.push_back(std::string(d::kStoneSize).append(StoneEntry(input.Stone)));
    lines.push_back(account[V::Admixture]);
    lines.push_back(std::string(s::kMoisture).append(input.SandMoistureText).append(d::kPercent));
    return SiteSheetSource{BasisOf(input, design), std::move(lines), locale, date};
}

SiteSheetTexts SiteSheetPartTexts(const SiteSheet& sheet, const SiteSheetSource& source) {
    const Parts parts = PartRows(sheet, source.Basis, source.Locale);
    std::vector<std::string> heading{ThaiDateLine(source.Date)};
    heading.insert(heading.end(), source.DesignLines.begin(), source.DesignLines.end());
    std::vector<std::string> basis{std::string(s::kBasis)};
    for (const std::string& line : RowLines(parts.basis)) basis.push_back(line);
    return SiteSheetTexts{
        Joined(heading, "    "),
        Joined(basis, "    "),
        Joined(RowLines(parts.of(SitePart::PerBag)), "\n"),
        Joined(RowLines(parts.of(SitePart::Pour)), "\n"),
        Joined(RowLines(parts.of(SitePart::Cost)), "\n"),
        sheet.OutOfRange.empty() ? std::string() : RangeMessage(sheet.OutOfRange.front())};
}

namespace {

// Under the title: the date, then each setting given, as its caption, two
// blanks and its text as typed.
std::vector<std::string> HeadingLines(const SiteSheetSource& source, const SiteSettings& settings) {
    std::vector<std::string> lines{ThaiDateLine(source.Date)};
    for (std::size_t i = 0; i < kSiteSettings; ++i) {
        const bool blank = settings[i].find_first_not_of(" \t") == std::string::npos;
        if (blank) continue;
        lines.push_back(std::string(BoxOf(static_cast<Setting>(i)).caption)
                            .append(s::kSettingGap)
                            .append(settings[i]));
    }
    return lines;
}

}  // namespace

std::vector<SheetRow> SiteSheetRows(const SiteSheet& sheet, const SiteSheetSource& source,
                                    const SiteSettings& settings) {
    using Kind = SheetRow::Kind;
    const Parts parts = PartRows(sheet, source.Basis, source.Locale);
    std::vector<SheetRow> rows{{Kind::Title, std::string(s::kTitle), {}, {}}};
    for (std::string& line : HeadingLines(source, settings))
        rows.push_back({Kind::Line, std::move(line), {}, {}});
    for (const std::string& line : source.DesignLines) rows.push_back({Kind::Line, line, {}, {}});
    const auto part = [&](std::string_view heading, const std::vector<SheetRow>& body) {
        rows.push_back({Kind::Heading, std::string(heading), {}, {}});
        rows.insert(rows.end(), body.begin(), body.end());
    };
    part(s::kBasis, parts.basis);
    part(s::kPerBag, parts.of(SitePart::PerBag));
    part(s::kPour, parts.of(SitePart::Pour));
    part(s::kCost, parts.of(SitePart::Cost));
    return rows;
}

std::string SiteSheetPlainText(const SiteSheet& sheet, const SiteSheetSource& source,
                               const SiteSettings& settings) {
    return SheetText(SiteSheetRows(sheet, source, settings));
}

PrintedPage SiteSheetPage(const SiteSheet& sheet, const SiteSheetSource& source,
                          const SiteSettings& settings, const PageFace& face) {
    return SheetPage(SiteSheetRows(sheet, source, settings), face);
}

std::string SiteSheetJson(const SiteSheet& sheet) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const SiteFigureRow& row : SiteFigureRows()) {
        const Figure& figure = sheet[row.Figure];
        json[std::string(PartKey(row.Part))][std::string(row.Key)] =
            ValueOf(figure) ? nlohmann::ordered_json(*ValueOf(figure)) : nlohmann::ordered_json();
    }
    return json.dump(2) + "\n";
}

}  // namespace krv1::presentation
