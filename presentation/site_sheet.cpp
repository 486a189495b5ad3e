#include "site_sheet.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

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
template <typename Compute>
Figure FigureOf(std::initializer_list<const Read*> needs, Compute compute) {
    for (const Read* need : needs)
        if (need->outOfRange) return Figure{std::nullopt, true};
    for (const Read* need : needs)
        if (!need->value) return Figure{};
    // A price too large for a double gives no figure, as a setting out of
    // range does.
    const double value = compute();
    if (!std::isfinite(value)) return Figure{std::nullopt, true};
    return Figure{value, false};
}

// Whole bags to order: a quotient within one part in 10^9 of a whole number
// is that number, so that rounding in the products orders no extra bag.
double WholeBags(double quotient) {
    const double nearest = std::round(quotient);
    if (std::fabs(quotient - nearest) <= 1e-9 * std::max(1.0, std::fabs(nearest))) return nearest;
    return std::ceil(quotient);
}

std::string Line(std::string_view caption, const std::string& figure, std::string_view unit) {
    std::string line(caption);
    if (figure.empty()) return line;
    line.append("  ").append(figure);
    if (!figure.empty() && figure != s::kWaiting) line.append(" ").append(unit);
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

struct Parts {
    std::vector<std::string> basis, perBag, pour, cost;
};

Parts PartLines(const SiteSheet& sheet, const SiteBasis& basis, const NumberLocale& locale) {
    Parts parts;
    const auto whole = [&](double value) { return FixedText(value, 0, locale); };
    parts.basis = {Line(s::kCement, whole(basis.Cement), s::kKg),
                   Line(s::kWater, whole(basis.Water), s::kLitre),
                   Line(s::kSand, whole(basis.Sand), s::kKg),
                   Line(s::kStone, whole(basis.Stone), s::kKg),
                   Line(s::kDosage, whole(basis.Dosage), s::kCcPer100Kg)};
    const auto& b = sheet.PerBag;
    parts.perBag = {Line(s::kCement, Shown(b[0], 1, locale), s::kKg),
                    Line(s::kWater, Shown(b[1], 1, locale), s::kLitre),
                    Line(s::kSand, Shown(b[2], 1, locale), s::kKg),
                    Line(s::kStone, Shown(b[3], 1, locale), s::kKg),
                    Line(s::kAdmixture, Shown(b[4], 1, locale), s::kCc),
                    Line(s::kConcrete, Shown(b[5], 2, locale), s::kCubicMetre),
                    Line(s::kLooseSand, Shown(b[6], 1, locale), s::kLitre),
                    Line(s::kLooseStone, Shown(b[7], 1, locale), s::kLitre),
                    Line(s::kLooseSand, Shown(b[8], 1, locale), s::kBuckets),
                    Line(s::kLooseStone, Shown(b[9], 1, locale), s::kBuckets)};
    const auto& p = sheet.Pour;
    parts.pour = {Line(s::kOrderVolume, Shown(p[0], 2, locale), s::kCubicMetre),
                  Line(s::kCement, Shown(p[1], 1, locale), s::kKg),
                  Line(s::kCement, Shown(p[2], 0, locale), s::kBags),
                  Line(s::kWater, Shown(p[3], 1, locale), s::kLitre),
                  Line(s::kSand, Shown(p[4], 1, locale), s::kKg),
                  Line(s::kLooseSand, Shown(p[5], 2, locale), s::kCubicMetre),
                  Line(s::kStone, Shown(p[6], 1, locale), s::kKg),
                  Line(s::kLooseStone, Shown(p[7], 2, locale), s::kCubicMetre),
                  Line(s::kAdmixture, Shown(p[8], 1, locale), s::kLitre)};
    const auto& c = sheet.Cost;
    std::string total(s::kTotal);
    if (!sheet.PricesLeftOut.empty() && c[4].Value) {
        total.append(s::kLeftOut);
        for (std::size_t i = 0; i < sheet.PricesLeftOut.size(); ++i) {
            if (i) total.append(", ");
            static constexpr std::string_view kNames[] = {s::kCement, s::kSand, s::kStone,
                                                          s::kAdmixture};
            total.append(kNames[static_cast<std::size_t>(sheet.PricesLeftOut[i]) -
                                static_cast<std::size_t>(Setting::PriceCement)]);
        }
        total.append(s::kLeftOutClose);
    }
    parts.cost = {Line(s::kCement, Shown(c[0], 2, locale, true), s::kBaht),
                  Line(s::kSand, Shown(c[1], 2, locale, true), s::kBaht),
                  Line(s::kStone, Shown(c[2], 2, locale, true), s::kBaht),
                  Line(s::kAdmixture, Shown(c[3], 2, locale, true), s::kBaht),
                  Line(total, Shown(c[4], 2, locale, true), s::kBaht),
                  Line(s::kPerCubicMetre, Shown(c[5], 2, locale, true), s::kBaht)};
    return parts;
}

}  // namespace

const std::array<std::string_view, 10> kPerBagNames{
    "cement_kg",   "water_l",      "sand_kg",       "stone_kg",     "admixture_cc",
    "concrete_m3", "sand_loose_l", "stone_loose_l", "sand_buckets", "stone_buckets"};
const std::array<std::string_view, 9> kPourNames{
    "order_volume_m3", "cement_kg", "cement_bags",    "water_l",    "sand_kg",
    "sand_loose_m3",   "stone_kg",  "stone_loose_m3", "admixture_l"};
const std::array<std::string_view, 6> kCostNames{"cement",    "sand",  "stone",
                                                 "admixture", "total", "per_m3"};

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
    // Named as the method writes them (clang 14 cannot capture structured
    // bindings, so each is a reference of its own).
    const auto at = [&read](Setting setting) -> const Read& {
        return read[static_cast<std::size_t>(setting)];
    };
    const Read& V = at(Setting::Volume);
    const Read& w = at(Setting::Waste);
    const Read& B = at(Setting::Bag);
    const Read& ds = at(Setting::SandDensity);
    const Read& dg = at(Setting::StoneDensity);
    const Read& b = at(Setting::Bucket);
    const Read& pc = at(Setting::PriceCement);
    const Read& ps = at(Setting::PriceSand);
    const Read& pg = at(Setting::PriceStone);
    const Read& pa = at(Setting::PriceAdmixture);
    const double C = basis.Cement, Wt = basis.Water, S = basis.Sand, G = basis.Stone;
    const double M = basis.Dosage;
    const auto k = [&] { return *B.value / C; };
    sheet.PerBag = {
        FigureOf({&B}, [&] { return *B.value; }),
        FigureOf({&B}, [&] { return Wt * k(); }),
        FigureOf({&B}, [&] { return S * k(); }),
        FigureOf({&B}, [&] { return G * k(); }),
        FigureOf({&B}, [&] { return M * *B.value / 100; }),
        FigureOf({&B}, [&] { return k(); }),
        FigureOf({&B, &ds}, [&] { return S * k() / *ds.value * 1000; }),
        FigureOf({&B, &dg}, [&] { return G * k() / *dg.value * 1000; }),
        FigureOf({&B, &ds, &b}, [&] { return S * k() / *ds.value * 1000 / *b.value; }),
        FigureOf({&B, &dg, &b}, [&] { return G * k() / *dg.value * 1000 / *b.value; }),
    };
    const auto Vt = [&] { return *V.value * (1 + *w.value / 100); };
    const auto bags = [&] { return WholeBags(C * Vt() / *B.value); };
    const auto sandLoose = [&] { return S * Vt() / *ds.value; };
    const auto stoneLoose = [&] { return G * Vt() / *dg.value; };
    const auto admixtureLitres = [&] { return M * C * Vt() / 100 / 1000; };
    sheet.Pour = {
        FigureOf({&V, &w}, Vt),
        FigureOf({&V, &w}, [&] { return C * Vt(); }),
        FigureOf({&V, &w, &B}, bags),
        FigureOf({&V, &w}, [&] { return Wt * Vt(); }),
        FigureOf({&V, &w}, [&] { return S * Vt(); }),
        FigureOf({&V, &w, &ds}, sandLoose),
        FigureOf({&V, &w}, [&] { return G * Vt(); }),
        FigureOf({&V, &w, &dg}, stoneLoose),
        FigureOf({&V, &w}, admixtureLitres),
    };
    const std::array<Figure, 4> costs{
        FigureOf({&V, &w, &B, &pc}, [&] { return bags() * *pc.value; }),
        FigureOf({&V, &w, &ds, &ps}, [&] { return sandLoose() * *ps.value; }),
        FigureOf({&V, &w, &dg, &pg}, [&] { return stoneLoose() * *pg.value; }),
        FigureOf({&V, &w, &pa}, [&] { return admixtureLitres() * *pa.value; }),
    };
    Figure total;
    bool anyPrice = false;
    for (std::size_t i = 0; i < costs.size(); ++i) {
        const Read& price = read[static_cast<std::size_t>(Setting::PriceCement) + i];
        if (costs[i].Waiting) total.Waiting = true;
        if (!price.value && !price.outOfRange)
            sheet.PricesLeftOut.push_back(
                static_cast<Setting>(static_cast<std::size_t>(Setting::PriceCement) + i));
        if (costs[i].Value) {
            total.Value = total.Value.value_or(0) + *costs[i].Value;
            anyPrice = true;
        }
    }
    if (total.Waiting || !anyPrice) total.Value.reset();
    Figure perCubicMetre = total;
    if (total.Value) perCubicMetre.Value = *total.Value / *V.value;
    sheet.Cost = {costs[0], costs[1], costs[2], costs[3], total, perCubicMetre};
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
        basisLine, Joined(parts.perBag), Joined(parts.pour), Joined(parts.cost),
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
    part(s::kPerBag, parts.perBag);
    part(s::kPour, parts.pour);
    part(s::kCost, parts.cost);
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
    const auto object = [](const auto& figures, const auto& names) {
        nlohmann::ordered_json part = nlohmann::ordered_json::object();
        for (std::size_t i = 0; i < figures.size(); ++i) {
            const Figure& figure = figures[i];
            part[std::string(names[i])] =
                figure.Value ? nlohmann::ordered_json(*figure.Value) : nlohmann::ordered_json();
        }
        return part;
    };
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["per_bag"] = object(sheet.PerBag, kPerBagNames);
    json["pour"] = object(sheet.Pour, kPourNames);
    json["cost"] = object(sheet.Cost, kCostNames);
    return json.dump(2) + "\n";
}

std::string FixedText(double value, int decimals, const NumberLocale& locale, bool groupThousands) {
    // printf rounds ties to even; the sheet rounds them away from zero. The
    // exact binary value is written out far enough to see a true tie, and the
    // rounding is done on those digits.
    if (!std::isfinite(value)) return std::string(s::kWaiting);
    char exact[512];
    std::snprintf(exact, sizeof exact, "%.80f", std::fabs(value));
    std::string digits(exact);
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = digits.substr(point + 1, decimals);
    const bool roundUp = digits[point + 1 + decimals] >= '5';
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
    if (groupThousands)
        for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, ",");
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !zero) ? "-" : "";
    text += whole;
    if (decimals > 0) text.append(locale.DecimalSeparator).append(fraction);
    return text;
}

}  // namespace krv1::presentation
