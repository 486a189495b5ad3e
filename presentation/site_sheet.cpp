#include "site_sheet.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string_view>
#include <utility>

#include "engine/conversion_error.h"
#include "engine/number_conversion.h"
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
    try {
        const double value = TextToDouble(text, locale);
        const Range range = RangeOf(setting);
        const bool above = range.minExcluded ? value > range.min : value >= range.min;
        if (above && value <= range.max) return {value, false};
    } catch (const ConversionError&) {
    }
    return {std::nullopt, true};
}

// A figure from the settings it needs: waiting when one is out of range,
// empty when one is left empty.
Figure FigureOf(const SiteFigureRow& row, const std::array<Read, kSiteSettings>& read,
                const SiteBasis& basis) {
    const auto needed = [&row](std::size_t setting) { return (row.Needs >> setting) & 1u; };
    for (std::size_t i = 0; i < kSiteSettings; ++i)
        if (needed(i) && read[i].outOfRange) return Figure{std::nullopt, true};
    SiteTerms terms{basis, {}};
    for (std::size_t i = 0; i < kSiteSettings; ++i) {
        if (!needed(i)) continue;
        if (!read[i].value) return Figure{};
        terms.Settings[i] = *read[i].value;
    }
    // A price too large for a double gives no figure, as a setting out of
    // range does.
    const double value = row.Formula(terms);
    if (!std::isfinite(value)) return Figure{std::nullopt, true};
    return Figure{value, false};
}

std::string Line(std::string_view caption, const std::string& figure, std::string_view unit) {
    std::string line(caption);
    if (figure.empty()) return line;
    line.append("  ").append(figure);
    if (figure != s::kWaiting) line.append(" ").append(unit);
    return line;
}

std::string Shown(const Figure& figure, int decimals, const NumberLocale& locale,
                  bool thousands = false) {
    if (figure.Waiting) return std::string(s::kWaiting);
    if (!figure.Value) return {};
    return FixedText(*figure.Value, decimals, locale, thousands);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += '\n';
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

struct Parts {
    std::vector<std::string> basis;
    std::array<std::vector<std::string>, 3> figures;  // by SitePart
    const std::vector<std::string>& of(SitePart part) const {
        return figures[static_cast<std::size_t>(part)];
    }
};

Parts PartLines(const SiteSheet& sheet, const SiteBasis& basis, const NumberLocale& locale) {
    Parts parts;
    const auto whole = [&](double value) { return FixedText(value, 0, locale); };
    parts.basis = {Line(s::kCement, whole(basis.Cement), s::kKg),
                   Line(s::kWater, whole(basis.Water), s::kLitre),
                   Line(s::kSand, whole(basis.Sand), s::kKg),
                   Line(s::kStone, whole(basis.Stone), s::kKg),
                   Line(s::kDosage, whole(basis.Dosage), s::kCcPer100Kg)};
    const auto leftOut = [&sheet] {
        std::string names;
        for (SiteSetting leftOut : sheet.PricesLeftOut)
            for (const auto& [price, cost] : kPricedCosts)
                if (price == leftOut)
                    names.append(names.empty() ? "" : ", ").append(RowOf(cost).Caption);
        return names;
    };
    for (const SiteFigureRow& row : SiteFigureRows()) {
        std::string caption(row.Caption);
        if (row.Figure == SiteFigure::CostTotal && !sheet.PricesLeftOut.empty() &&
            sheet[row.Figure].Value)
            caption.append(s::kLeftOut).append(leftOut()).append(s::kLeftOutClose);
        parts.figures[static_cast<std::size_t>(row.Part)].push_back(
            Line(caption, Shown(sheet[row.Figure], row.Decimals, locale, row.Grouped), row.Unit));
    }
    return parts;
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

SiteBasis BasisOf(const MixDesign& design) {
    return SiteBasis{design.Adjusted.Cement, design.Adjusted.Water, design.Adjusted.Sand,
                     design.Adjusted.Stone, static_cast<double>(design.State.M)};
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
    Figure total;
    bool anyPrice = false;
    for (const auto& [priceSetting, costFigure] : kPricedCosts) {
        const Read& price = read[static_cast<std::size_t>(priceSetting)];
        const Figure& cost = sheet[costFigure];
        if (cost.Waiting) total.Waiting = true;
        if (!price.value && !price.outOfRange) sheet.PricesLeftOut.push_back(priceSetting);
        if (cost.Value) {
            total.Value = total.Value.value_or(0) + *cost.Value;
            anyPrice = true;
        }
    }
    if (total.Waiting || !anyPrice) total.Value.reset();
    Figure perCubicMetre = total;
    if (total.Value)
        perCubicMetre.Value = *total.Value / *read[static_cast<std::size_t>(Setting::Volume)].value;
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
        .append(FixedText(range.min, 0, plain))
        .append(s::kRangeTo)
        .append(FixedText(range.max, 0, plain));
}

SiteSheetTexts SiteSheetPartTexts(const SiteSheet& sheet, const SiteBasis& basis,
                                  const NumberLocale& locale) {
    const Parts parts = PartLines(sheet, basis, locale);
    std::string basisLine(s::kBasis);
    for (const std::string& line : parts.basis) basisLine.append("    ").append(line);
    return SiteSheetTexts{
        basisLine, Joined(parts.of(SitePart::PerBag)), Joined(parts.of(SitePart::Pour)),
        Joined(parts.of(SitePart::Cost)),
        sheet.OutOfRange.empty() ? std::string() : RangeMessage(sheet.OutOfRange.front())};
}

namespace {

// The sheet's lines with whether each is a heading, for the text and the page.
std::vector<std::pair<std::string, bool>> SheetLines(const SiteSheet& sheet, const SiteBasis& basis,
                                                     const std::vector<std::string>& designLines,
                                                     const NumberLocale& locale) {
    const Parts parts = PartLines(sheet, basis, locale);
    std::vector<std::pair<std::string, bool>> lines{{std::string(s::kTitle), true}};
    for (const std::string& line : designLines) lines.emplace_back(line, false);
    const auto part = [&](std::string_view heading, const std::vector<std::string>& body) {
        lines.emplace_back(std::string(heading), true);
        for (const std::string& line : body) lines.emplace_back(line, false);
    };
    part(s::kBasis, parts.basis);
    part(s::kPerBag, parts.of(SitePart::PerBag));
    part(s::kPour, parts.of(SitePart::Pour));
    part(s::kCost, parts.of(SitePart::Cost));
    return lines;
}

}  // namespace

std::vector<std::string> SiteDesignLines(const DetailsTexts& account, std::string_view engineer,
                                         const std::string& moistureText) {
    namespace d = text::details;
    using V = DetailsValue;
    std::vector<std::string> lines;
    if (!engineer.empty()) lines.push_back(std::string(s::kEngineer).append(engineer));
    lines.push_back(std::string(d::kRequiredStrength).append(account[V::RequiredStrength]));
    lines.push_back(std::string(d::kSlump).append(account[V::Slump]));
    lines.push_back(std::string(d::kStoneSize).append(account[V::StoneSize]));
    lines.push_back(account[V::Admixture]);
    lines.push_back(std::string(s::kMoisture).append(moistureText).append(d::kPercent));
    return lines;
}

std::string SiteSheetPlainText(const SiteSheet& sheet, const SiteBasis& basis,
                               const std::vector<std::string>& designLines,
                               const NumberLocale& locale) {
    std::string text;
    for (const auto& [line, heading] : SheetLines(sheet, basis, designLines, locale))
        text.append(line).append("\n");
    return text;
}

std::vector<ReportLine> SiteSheetPage(const SiteSheet& sheet, const SiteBasis& basis,
                                      const std::vector<std::string>& designLines,
                                      const NumberLocale& locale) {
    // The report's pitch of 300 twips, headings set in from the figures.
    std::vector<ReportLine> page;
    int y = 800;
    for (const auto& [line, heading] : SheetLines(sheet, basis, designLines, locale)) {
        page.push_back(ReportLine{heading ? 1000 : 1300, y, heading, line});
        y += heading ? 400 : 300;
    }
    return page;
}

std::string SiteSheetJson(const SiteSheet& sheet) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const SiteFigureRow& row : SiteFigureRows()) {
        const Figure& figure = sheet[row.Figure];
        json[std::string(PartKey(row.Part))][std::string(row.Key)] =
            figure.Value ? nlohmann::ordered_json(*figure.Value) : nlohmann::ordered_json();
    }
    return json.dump(2) + "\n";
}

std::string FixedText(double value, int decimals, const NumberLocale& locale, bool groupThousands) {
    // printf rounds ties to even; the sheet rounds them away from zero. The
    // exact binary value is written out far enough to see a true tie, and the
    // rounding is done on those digits. printf writes its C locale's point
    // (a comma under de_DE), so the digits are taken from either end of what
    // it wrote, never by looking for ".". (std::to_chars would not depend on
    // the locale, but the web module's C++ library has none for doubles.)
    if (!std::isfinite(value)) return std::string(s::kWaiting);
    constexpr int kExactDecimals = 80;
    char exact[512];
    std::snprintf(exact, sizeof exact, "%.*f", kExactDecimals, std::fabs(value));
    const std::string_view printed(exact);
    std::string whole(printed.substr(0, printed.find_first_not_of("0123456789")));
    const std::string_view allDecimals = printed.substr(printed.size() - kExactDecimals);
    std::string fraction(allDecimals.substr(0, decimals));
    const bool roundUp = allDecimals[decimals] >= '5';
    std::string kept = whole + fraction;
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
        if (i < 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i];
        }
    }
    whole = kept.substr(0, kept.size() - decimals);
    fraction = kept.substr(kept.size() - decimals);
    // The design's own group separator: a comma design groups with its ".".
    if (groupThousands)
        for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(i, locale.GroupSeparator);
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !zero) ? "-" : "";
    text += whole;
    if (decimals > 0) text.append(locale.DecimalSeparator).append(fraction);
    return text;
}

}  // namespace krv1::presentation
