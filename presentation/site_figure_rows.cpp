// The site batch sheet's figures, one row each: the per-bag batch, the pour
// and its cost. The formulas keep the order of their operations: a bag's
// share of the metre is k = B / C, the pour's volume Vt = V (1 + w / 100),
// and a loose volume is a mass over its loose unit weight.
#include <cmath>

#include "site_sheet.h"
#include "text/site_sheet_texts.h"

namespace krv1::presentation {
namespace {

namespace s = text::site_sheet;
using F = SiteFigure;
using P = SitePart;
using S = SiteSetting;

// Whole bags to order: a quotient within one part in 10^9 of a whole number
// is that number, so that rounding in the products orders no extra bag.
double WholeBags(double quotient) {
    const double nearest = std::round(quotient);
    if (std::fabs(quotient - nearest) <= 1e-9 * std::max(1.0, std::fabs(nearest))) return nearest;
    return std::ceil(quotient);
}

// A bag's share of the cubic metre.
double K(const SiteTerms& t) { return t[S::Bag] / t.Basis.Cement; }
// The volume ordered: the pour and its waste.
double Vt(const SiteTerms& t) { return t[S::Volume] * (1 + t[S::Waste] / 100); }
double Bags(const SiteTerms& t) { return WholeBags(t.Basis.Cement * Vt(t) / t[S::Bag]); }
double PourLooseSand(const SiteTerms& t) { return t.Basis.Sand * Vt(t) / t[S::SandDensity]; }
double PourLooseStone(const SiteTerms& t) { return t.Basis.Stone * Vt(t) / t[S::StoneDensity]; }
double PourAdmixtureLitres(const SiteTerms& t) {
    return t.Basis.Dosage * t.Basis.Cement * Vt(t) / 100 / 1000;
}

constexpr SiteNeeds kBag = NeedsOf({S::Bag});
constexpr SiteNeeds kPour = NeedsOf({S::Volume, S::Waste});

constexpr std::array<SiteFigureRow, kSiteFigures> kRows{{
    {F::BagCement, P::PerBag, "cement_kg", s::kCement, s::kKg, 1, false, kBag,
     [](const SiteTerms& t) { return t[S::Bag]; }},
    {F::BagWater, P::PerBag, "water_l", s::kWater, s::kLitre, 1, false, kBag,
     [](const SiteTerms& t) { return t.Basis.Water * K(t); }},
    {F::BagSand, P::PerBag, "sand_kg", s::kSand, s::kKg, 1, false, kBag,
     [](const SiteTerms& t) { return t.Basis.Sand * K(t); }},
    {F::BagStone, P::PerBag, "stone_kg", s::kStone, s::kKg, 1, false, kBag,
     [](const SiteTerms& t) { return t.Basis.Stone * K(t); }},
    {F::BagAdmixture, P::PerBag, "admixture_cc", s::kAdmixture, s::kCc, 1, false, kBag,
     [](const SiteTerms& t) { return t.Basis.Dosage * t[S::Bag] / 100; }},
    {F::BagConcrete, P::PerBag, "concrete_m3", s::kConcrete, s::kCubicMetre, 2, false, kBag, K},
    {F::BagLooseSand, P::PerBag, "sand_loose_l", s::kLooseSand, s::kLitre, 1, false,
     NeedsOf({S::Bag, S::SandDensity}),
     [](const SiteTerms& t) { return t.Basis.Sand * K(t) / t[S::SandDensity] * 1000; }},
    {F::BagLooseStone, P::PerBag, "stone_loose_l", s::kLooseStone, s::kLitre, 1, false,
     NeedsOf({S::Bag, S::StoneDensity}),
     [](const SiteTerms& t) { return t.Basis.Stone * K(t) / t[S::StoneDensity] * 1000; }},
    {F::BagSandBuckets, P::PerBag, "sand_buckets", s::kLooseSand, s::kBuckets, 1, false,
     NeedsOf({S::Bag, S::SandDensity, S::Bucket}),
     [](const SiteTerms& t) {
         return t.Basis.Sand * K(t) / t[S::SandDensity] * 1000 / t[S::Bucket];
     }},
    {F::BagStoneBuckets, P::PerBag, "stone_buckets", s::kLooseStone, s::kBuckets, 1, false,
     NeedsOf({S::Bag, S::StoneDensity, S::Bucket}),
     [](const SiteTerms& t) {
         return t.Basis.Stone * K(t) / t[S::StoneDensity] * 1000 / t[S::Bucket];
     }},

    {F::OrderVolume, P::Pour, "order_volume_m3", s::kVolumeToMix, s::kCubicMetre, 2, true, kPour,
     Vt},
    {F::PourCement, P::Pour, "cement_kg", s::kCement, s::kKg, 1, true, kPour,
     [](const SiteTerms& t) { return t.Basis.Cement * Vt(t); }},
    {F::PourBags, P::Pour, "cement_bags", s::kCement, s::kBags, 0, false,
     NeedsOf({S::Volume, S::Waste, S::Bag}), Bags},
    {F::PourWater, P::Pour, "water_l", s::kWater, s::kLitre, 1, true, kPour,
     [](const SiteTerms& t) { return t.Basis.Water * Vt(t); }},
    {F::PourSand, P::Pour, "sand_kg", s::kSand, s::kKg, 1, true, kPour,
     [](const SiteTerms& t) { return t.Basis.Sand * Vt(t); }},
    {F::PourLooseSand, P::Pour, "sand_loose_m3", s::kLooseSand, s::kCubicMetre, 2, true,
     NeedsOf({S::Volume, S::Waste, S::SandDensity}), PourLooseSand},
    {F::PourStone, P::Pour, "stone_kg", s::kStone, s::kKg, 1, true, kPour,
     [](const SiteTerms& t) { return t.Basis.Stone * Vt(t); }},
    {F::PourLooseStone, P::Pour, "stone_loose_m3", s::kLooseStone, s::kCubicMetre, 2, true,
     NeedsOf({S::Volume, S::Waste, S::StoneDensity}), PourLooseStone},
    {F::PourAdmixture, P::Pour, "admixture_l", s::kAdmixture, s::kLitre, 1, true, kPour,
     PourAdmixtureLitres},

    // Cement is bought by the whole bag, sand and stone by the loose cubic
    // metre, the admixture by the litre.
    {F::CostCement, P::Cost, "cement", s::kCement, s::kBaht, 2, true,
     NeedsOf({S::Volume, S::Waste, S::Bag, S::PriceCement}),
     [](const SiteTerms& t) { return Bags(t) * t[S::PriceCement]; }},
    {F::CostSand, P::Cost, "sand", s::kSand, s::kBaht, 2, true,
     NeedsOf({S::Volume, S::Waste, S::SandDensity, S::PriceSand}),
     [](const SiteTerms& t) { return PourLooseSand(t) * t[S::PriceSand]; }},
    {F::CostStone, P::Cost, "stone", s::kStone, s::kBaht, 2, true,
     NeedsOf({S::Volume, S::Waste, S::StoneDensity, S::PriceStone}),
     [](const SiteTerms& t) { return PourLooseStone(t) * t[S::PriceStone]; }},
    {F::CostAdmixture, P::Cost, "admixture", s::kAdmixture, s::kBaht, 2, true,
     NeedsOf({S::Volume, S::Waste, S::PriceAdmixture}),
     [](const SiteTerms& t) { return PourAdmixtureLitres(t) * t[S::PriceAdmixture]; }},
    {F::CostTotal, P::Cost, "total", s::kTotal, s::kBaht, 2, true, 0, nullptr},
    {F::CostPerCubicMetre, P::Cost, "per_m3", s::kPerCubicMetre, s::kBaht, 2, true, 0, nullptr},
}};

constexpr bool InFigureOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (static_cast<std::size_t>(kRows[i].Figure) != i) return false;
    return true;
}
static_assert(InFigureOrder(), "a row stands at its figure's place");

}  // namespace

const std::array<SiteFigureRow, kSiteFigures>& SiteFigureRows() { return kRows; }

const SiteFigureRow& RowOf(SiteFigure figure) { return kRows[static_cast<std::size_t>(figure)]; }

std::string_view PartKey(SitePart part) {
    switch (part) {
        case SitePart::PerBag:
            return "per_bag";
        case SitePart::Pour:
            return "pour";
        case SitePart::Cost:
            return "cost";
    }
    return {};
}

}  // namespace krv1::presentation
