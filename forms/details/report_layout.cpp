#include "report_layout.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "text/report_texts.h"
#include "platform/utf8_text.h"

namespace krv1::forms {

namespace r = text::report;

namespace {

// One piece of a line: the caption of a label, or a text of the report.
struct Piece {
    const char* label = nullptr;
    std::string_view text;
};
constexpr Piece L(const char* label) { return Piece{label, {}}; }
constexpr Piece T(std::string_view text) { return Piece{nullptr, text}; }

struct LineLayout {
    int x, y;
    bool bold;
    std::initializer_list<Piece> pieces;
};

// Line pitch 300 twips, with 600 after the title and 400 after the engineer;
// the two sub-lines of step 5 are indented 100 twips further.
const LineLayout kLines[] = {
    {3900, 800, true, {T(r::kTitle)}},
    {1000, 1400, false, {T(r::kEngineer)}},  // followed by the engineer's name
    {900, 1800, false, {L("Label2"), L("Label3")}},
    {900, 2100, false, {L("Label4"), L("Label5")}},
    {900, 2400, false, {L("Label6"), L("Label7")}},
    {900, 2700, false, {L("Label10"), L("Label11")}},
    {1300, 3000, false, {T(r::kBannerBeforeCorrection)}},
    {1300, 3300, false, {L("Label8"), L("Label77"), L("Label9")}},
    {1300, 3600, false, {L("Label13"), L("Label14")}},
    {1300, 3900, false, {L("Label15"), L("Label16")}},
    {1300, 4200, false, {L("Label17"), L("Label18")}},
    {1300, 4500, false, {L("Label19"), L("Label20")}},
    {1400, 4800, false, {L("Label21"), T(r::kSeparator), L("Label22")}},
    {1400, 5100, false, {L("Label23"), L("Label24")}},
    {1300, 5400, false, {L("Label25"), L("Label26")}},
    {1300, 5700, false, {L("Label27"), L("Label28")}},
    {1300, 6000, false, {L("Label29"), L("Label30")}},
    {1300, 6300, false, {L("Label31"), L("Label32")}},
    {1300, 6600, false, {T(r::kBannerBeforeRounding)}},
    {1300, 6900, false, {L("Label33"), L("Label38")}},
    {1300, 7200, false, {L("Label34"), L("Label39")}},
    {1300, 7500, false, {L("Label35"), L("Label40")}},
    {1300, 7800, false, {L("Label36"), L("Label41")}},
    {1300, 8100, false, {L("Label37"), L("Label42")}},
    {1300, 8400, false, {T(r::kBannerAfterRounding)}},
    {1300, 8700, false, {L("Label52"), L("Label47")}},
    {1300, 9000, false, {L("Label51"), L("Label46")}},
    {1300, 9300, false, {L("Label50"), L("Label45")}},
    {1300, 9600, false, {L("Label49"), L("Label44")}},
    {1300, 9900, false, {L("Label48"), L("Label43")}},
    {1300, 10200, false, {T(r::kBannerMoisture)}},
    {1300, 10500, false, {L("Label53"), L("Label61")}},
    {1300, 10800, false, {L("Label54"), L("Label62")}},
    {1300, 11100, false, {L("Label55"), L("Label63")}},
    {1300, 11400, false, {L("Label56"), T(r::kSeparator), L("Label57")}},
    {1300, 11700, false, {L("Label58"), L("Label64")}},
    {1300, 12000, false, {L("Label59"), L("Label65")}},
    {1300, 12300, false, {L("Label60"), L("Label66")}},
    {1300, 12600, true, {T(r::kBannerFinalMix)}},
    {1300, 12900, true, {L("Label67"), L("Label72")}},
    {1300, 13200, true, {L("Label68"), L("Label73")}},
    {1300, 13500, true, {L("Label69"), L("Label74")}},
    {1300, 13800, true, {L("Label70"), L("Label75")}},
    {1300, 14100, true, {L("Label71"), L("Label76")}},
};


}  // namespace

std::vector<ReportLine> ReportLines(const CaptionOf& captionOf, const QString& engineerName) {
    std::vector<ReportLine> lines;
    lines.reserve(std::size(kLines));
    for (const LineLayout& layout : kLines) {
        QString text;
        for (const Piece& piece : layout.pieces)
            text += piece.label ? captionOf(piece.label) : platform::FromUtf8(piece.text);
        lines.push_back(ReportLine{layout.x, layout.y, layout.bold, text});
    }
    lines[1].Text += engineerName;
    return lines;
}

}  // namespace krv1::forms
