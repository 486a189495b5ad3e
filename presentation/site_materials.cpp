#include "site_materials.h"

#include "engine/number_conversion.h"
#include "figure_text.h"
#include "text/materials_texts.h"

namespace krv1::presentation {
namespace {

namespace t = text::materials;
using B = MaterialBox;

constexpr std::array<MaterialBoxRow, kMaterialBoxes> kBoxRows{{
    {B::CementGravity, "cement_sg", t::kCementGravity, "3.15", 2.50, 3.30,
     t::kCementGravityRefused},
    {B::SandGravity, "sand_sg", t::kSandGravity, "2.65", 2.30, 2.90, t::kSandGravityRefused},
    {B::SandAbsorption, "sand_absorption", t::kSandAbsorption, "0.7", 0, 5,
     t::kSandAbsorptionRefused},
    {B::StoneGravity, "stone_sg", t::kStoneGravity, "2.70", 2.30, 3.00, t::kStoneGravityRefused},
    {B::StoneAbsorption, "stone_absorption", t::kStoneAbsorption, "", 0, 5,
     t::kStoneAbsorptionRefused},
    {B::StoneMoisture, "stone_moisture", t::kStoneMoisture, "", 0, 10, t::kStoneMoistureRefused},
}};

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

const std::string& TextOf(const MaterialTexts& texts, B box) {
    return texts.Boxes[static_cast<std::size_t>(box)];
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The box as typed, without the blanks around it, or the method's value as
// the report writes it.
std::string Shown(const MaterialTexts& texts, B box) {
    const std::string& typed = TextOf(texts, box);
    return std::string(Blank(typed) ? kBoxRows[static_cast<std::size_t>(box)].Default
                                    : Trimmed(typed));
}

}  // namespace

const std::array<MaterialBoxRow, kMaterialBoxes>& MaterialBoxRows() { return kBoxRows; }

std::string_view CementName(CementKind kind) {
    switch (kind) {
        case CementKind::Hydraulic:
            return t::kHydraulic;
        case CementKind::Other:
            return t::kOtherCement;
        default:
            return t::kPortland;
    }
}

std::string_view CementKey(CementKind kind) {
    switch (kind) {
        case CementKind::Hydraulic:
            return "hydraulic";
        case CementKind::Other:
            return "other";
        default:
            return "portland";
    }
}

MaterialsReading ReadMaterials(const MaterialTexts& texts, const NumberLocale& separators) {
    std::array<std::optional<double>, kMaterialBoxes> read;
    for (const MaterialBoxRow& row : kBoxRows) {
        const std::string& text = TextOf(texts, row.Box);
        if (Blank(text)) continue;
        // Every figure is printed as typed; one longer than any measured
        // gravity or percentage would run off the report's page.
        const std::optional<double> value = ParsedDouble(text, separators);
        if (!value || Trimmed(text).size() > kLongestMaterialText || *value < row.Min ||
            *value > row.Max)
            return MaterialsRefusal{row.Box, std::string(row.Refused)};
        read[static_cast<std::size_t>(row.Box)] = value;
    }
    const auto at = [&](B box) { return read[static_cast<std::size_t>(box)]; };
    if (at(B::StoneMoisture) && !at(B::StoneAbsorption))
        return MaterialsRefusal{B::StoneAbsorption, std::string(t::kStoneAbsorptionMissing)};
    Materials materials;
    materials.CementGravity = at(B::CementGravity).value_or(kCementSpecificGravity);
    materials.SandGravity = at(B::SandGravity).value_or(kSandSpecificGravity);
    materials.SandAbsorption = at(B::SandAbsorption).value_or(kSandAbsorptionPercent);
    materials.StoneGravity = at(B::StoneGravity).value_or(kStoneSpecificGravity);
    // The stone's absorption alone corrects nothing: its water is unknown.
    if (at(B::StoneMoisture))
        materials.Stone = StoneWater{*at(B::StoneMoisture), *at(B::StoneAbsorption)};
    return materials;
}

bool DiffersFromTheMethod(const MaterialTexts& texts, const Materials& read) {
    return texts.Cement != CementKind::Portland || read.CementGravity != kCementSpecificGravity ||
           read.SandGravity != kSandSpecificGravity ||
           read.SandAbsorption != kSandAbsorptionPercent ||
           read.StoneGravity != kStoneSpecificGravity;
}

std::vector<std::string> MaterialNotes(const MaterialTexts& texts) {
    if (texts.Cement == CementKind::Portland) return {};
    return {std::string(t::kCurveNote)};
}

std::string MaterialsNotice(const MaterialTexts& texts, const Materials& read) {
    std::vector<std::string> differs;
    if (texts.Cement != CementKind::Portland || read.CementGravity != kCementSpecificGravity)
        differs.push_back(std::string(CementName(texts.Cement))
                              .append(t::kNoticeGravity)
                              .append(Shown(texts, B::CementGravity)));
    if (read.SandGravity != kSandSpecificGravity)
        differs.push_back(std::string(t::kNoticeSandGravity).append(Shown(texts, B::SandGravity)));
    if (read.SandAbsorption != kSandAbsorptionPercent)
        differs.push_back(std::string(t::kNoticeSandAbsorption)
                              .append(Shown(texts, B::SandAbsorption))
                              .append(t::kNoticePercent));
    if (read.StoneGravity != kStoneSpecificGravity)
        differs.push_back(
            std::string(t::kNoticeStoneGravity).append(Shown(texts, B::StoneGravity)));
    if (read.Stone)
        differs.push_back(std::string(t::kNoticeStoneMoisture)
                              .append(Shown(texts, B::StoneMoisture))
                              .append(t::kNoticePercent));
    if (differs.empty()) return {};
    std::string notice(t::kNoticeOpening);
    for (std::size_t i = 0; i < differs.size(); ++i)
        notice.append(i ? t::kNoticeSeparator : "").append(differs[i]);
    return notice;
}

std::vector<std::string> MaterialsReportLines(const MaterialTexts& texts, const Materials& read,
                                              const MixDesign& design,
                                              const NumberLocale& separators) {
    std::vector<std::string> lines;
    if (DiffersFromTheMethod(texts, read))
        lines.push_back(std::string(t::kReportMaterials)
                            .append(CementName(texts.Cement))
                            .append(t::kReportCementGravity)
                            .append(Shown(texts, B::CementGravity))
                            .append(t::kReportSandGravity)
                            .append(Shown(texts, B::SandGravity))
                            .append(t::kReportSandAbsorption)
                            .append(Shown(texts, B::SandAbsorption))
                            .append(t::kReportStoneGravity)
                            .append(Shown(texts, B::StoneGravity)));
    if (design.StoneExcessWater)
        lines.push_back(std::string(t::kReportStoneMoisture)
                            .append(Shown(texts, B::StoneMoisture))
                            .append(t::kReportStoneAbsorption)
                            .append(Shown(texts, B::StoneAbsorption))
                            .append(t::kReportStoneExcess)
                            .append(DoubleText(*design.StoneExcessWater, separators))
                            .append(t::kReportWetStone)
                            .append(SingleText(design.State.V11, separators))
                            .append(t::kReportKg));
    return lines;
}

}  // namespace krv1::presentation
