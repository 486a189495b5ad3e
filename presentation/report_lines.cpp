#include "report_lines.h"

#include <initializer_list>
#include <optional>

#include "text/details_texts.h"
#include "text/report_texts.h"

namespace krv1::presentation {

namespace d = text::details;
namespace r = text::report;
using V = DetailsValue;

namespace {

// One piece of a line: a fixed text, or a value of the account.
struct Piece {
    std::string_view text;
    std::optional<DetailsValue> value;
    constexpr Piece(std::string_view fixed) : text(fixed) {}
    constexpr Piece(DetailsValue accountValue) : value(accountValue) {}
};

struct LineLayout {
    int x, y;
    bool bold;
    std::initializer_list<Piece> pieces;
};

// Line pitch 300 twips, with 600 after the title and 400 after the engineer;
// the two sub-lines of step 5 are indented 100 twips further.
const LineLayout kLines[] = {
    {3900, 800, true, {r::kTitle}},
    {1000, 1400, false, {r::kEngineer}},  // followed by the engineer's name
    {900, 1800, false, {d::kRequiredStrength, V::RequiredStrength}},
    {900, 2100, false, {V::TargetStrength}},  // after the account's caption
    {900, 2400, false, {d::kSlump, V::Slump}},
    {900, 2700, false, {d::kStoneSize, V::StoneSize}},
    {1300, 3000, false, {r::kBannerBeforeCorrection}},
    {1300, 3300, false, {d::kStep1Water, V::WaterCondition, V::MixingWater}},
    {1300, 3600, false, {d::kStep2Ratio, V::WaterCementRatio}},
    {1300, 3900, false, {d::kStep3Cement, V::CementWeight}},
    {1300, 4200, false, {d::kStep4CementVolume, V::CementVolume}},
    {1300, 4500, false, {d::kStep5Stone, V::StepStoneSize}},
    {1400, 4800, false, {d::kStep5Paste, r::kSeparator, V::CementPlusSandVolume}},
    {1400, 5100, false, {d::kStep5Sand, V::SandVolume}},
    {1300, 5400, false, {d::kStep6SandWeight, V::SandWeight}},
    {1300, 5700, false, {d::kStep7StoneVolume, V::StoneVolume}},
    {1300, 6000, false, {d::kStep8StoneWeight, V::StoneWeight}},
    {1300, 6300, false, {d::kStep9Admixture, V::AdmixtureAmount}},
    {1300, 6600, false, {r::kBannerBeforeRounding}},
    {1300, 6900, false, {d::kCementRow, V::UnroundedCement}},
    {1300, 7200, false, {d::kWaterRow, V::UnroundedWater}},
    {1300, 7500, false, {d::kSandRow, V::UnroundedSand}},
    {1300, 7800, false, {d::kStoneRow, V::UnroundedStone}},
    {1300, 8100, false, {d::kAdmixtureRow, V::UnroundedAdmixture}},
    {1300, 8400, false, {r::kBannerAfterRounding}},
    {1300, 8700, false, {d::kCementRow, V::RoundedCement}},
    {1300, 9000, false, {d::kWaterRow, V::RoundedWater}},
    {1300, 9300, false, {d::kSandRow, V::RoundedSand}},
    {1300, 9600, false, {d::kStoneRow, V::RoundedStone}},
    {1300, 9900, false, {d::kAdmixtureRow, V::RoundedAdmixture}},
    {1300, 10200, false, {r::kBannerMoisture}},
    {1300, 10500, false, {d::kMoistureStep1, V::SandMoisture}},
    {1300, 10800, false, {d::kMoistureStep2, V::SandAbsorption}},
    {1300, 11100, false, {d::kMoistureStep3, V::SurfaceMoisture}},
    {1300, 11400, false, {d::kMoistureStep4, r::kSeparator, V::BatchedSand}},
    {1300, 11700, false, {d::kMoistureStep4Excess, V::ExcessWater}},
    {1300, 12000, false, {d::kMoistureStep5, V::WetSand}},
    {1300, 12300, false, {d::kMoistureStep6, V::TotalWater}},
    {1300, 12600, true, {r::kBannerFinalMix}},
    {1300, 12900, true, {d::kCementRow, V::AdjustedCement}},
    {1300, 13200, true, {d::kWaterRow, V::AdjustedWater}},
    {1300, 13500, true, {d::kSandRow, V::AdjustedSand}},
    {1300, 13800, true, {d::kStoneRow, V::AdjustedStone}},
    {1300, 14100, true, {d::kAdmixtureRow, V::AdjustedAdmixture}},
};
static_assert(std::size(kLines) == kReportLines);

// The page's own lines stand where the account leaves room: the project
// between the title and the engineer, the day at the right of that row, the
// specimen and the dosage right of the short requirement lines 3 and 5, and
// the signatures on the last row, well inside any printer's printable area.
constexpr int kProjectX = 1000;
constexpr int kNamesY = 1100;
constexpr int kDayRight = 11000;  // where the day ends
constexpr int kRequirementsRightX = 5400;
constexpr int kSpecimenY = 1800;
constexpr int kDosageY = 2400;
constexpr int kAfterAccountX = 1300;
constexpr int kFirstRowAfterAccount = 14400;
constexpr int kPitch = 300;
constexpr int kSignaturesY = 15600;
constexpr int kDesignerX = 1300;
constexpr int kCheckerX = 6600;

}  // namespace

std::size_t ReportAccountLines(const DetailsTexts& values) {
    return kReportLines + std::size_t(!values.MarginLine.empty()) +
           std::size_t(!values.CubeBasisLine.empty()) + values.MaterialLines.size();
}

std::vector<ReportLine> ReportLines(const DetailsTexts& values, const ReportNames& names) {
    std::vector<ReportLine> lines;
    lines.reserve(kReportLines + 9);
    for (const LineLayout& layout : kLines) {
        std::string text;
        for (const Piece& piece : layout.pieces)
            text += piece.value ? std::string_view(values[*piece.value]) : piece.text;
        lines.push_back(ReportLine{layout.x, layout.y, layout.bold, std::move(text)});
    }
    lines[1].Text += names.Engineer;
    lines[3].Text.insert(0, values.TargetCaption);
    // The records' margin is accounted for under the final mix, the cube
    // basis after everything the target strength was made of, and the site's
    // materials last; all four fit above the signatures.
    int row = kFirstRowAfterAccount;
    std::vector<const std::string*> after{&values.MarginLine, &values.CubeBasisLine};
    for (const std::string& line : values.MaterialLines) after.push_back(&line);
    for (const std::string* line : after) {
        if (line->empty()) continue;
        lines.push_back(ReportLine{kAfterAccountX, row, false, *line});
        row += kPitch;
    }
    if (!names.Project.empty())
        lines.push_back(
            ReportLine{kProjectX, kNamesY, false, std::string(r::kProject) + names.Project});
    lines.push_back(ReportLine{kDayRight, kNamesY, false, ThaiDateLine(names.Day), true});
    lines.push_back(ReportLine{kRequirementsRightX, kSpecimenY, false, values.SpecimenLine});
    if (!values.DosageLine.empty())
        lines.push_back(ReportLine{kRequirementsRightX, kDosageY, false, values.DosageLine});
    lines.push_back(
        ReportLine{kDesignerX, kSignaturesY, false, std::string(r::kDesignerSignature)});
    lines.push_back(ReportLine{kCheckerX, kSignaturesY, false, std::string(r::kCheckerSignature)});
    return lines;
}

PrintedPage ReportPage(const DetailsTexts& values, const ReportNames& names) {
    return PrintedPage{kReportPointSize, ReportLines(values, names), {}};
}

}  // namespace krv1::presentation
