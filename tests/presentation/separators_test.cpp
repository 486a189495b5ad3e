// A design typed with "." for the decimal and "," for groups, and the same
// numbers typed the other way round, give the same report and sheet but for
// the two marks swapped inside the figures: every figure is written with the
// design's own marks, and the method's fixed texts keep theirs.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <vector>

#include "presentation/choice_texts.h"
#include "presentation/design_evaluation.h"
#include "presentation/site_sheet.h"
#include "tests/support/worked_designs.h"

namespace krv1::presentation {
namespace {

std::string Swapped(std::string text) {
    for (char& c : text) c = c == '.' ? ',' : c == ',' ? '.' : c;
    return text;
}

Design Typed(const MixInput& input, const SiteSettings& site, const NumberLocale& marks,
             bool swap) {
    Design design{"สมชาย ใจดี", input, marks};
    const auto typed = [swap](const std::string& text) { return swap ? Swapped(text) : text; };
    design.Input.RequiredStrength = typed(input.RequiredStrength);
    design.Input.DosageText = typed(input.DosageText);
    design.Input.SandMoistureText = typed(input.SandMoistureText);
    std::transform(site.begin(), site.end(), design.Site.begin(), typed);
    return design;
}

// Every text the design gives: the panels as copied, the printed report and
// the sheet.
std::string AllTexts(const Design& design) {
    const DesignEvaluation evaluation = EvaluateDesign(design, {2026, 12, 8});
    const CalculatedMix* calculated = evaluation.calculated();
    if (!calculated) {
        ADD_FAILURE() << RefusalMessage(evaluation.Mix);
        return {};
    }
    std::string texts = calculated->PanelsPlainText;
    for (const ReportLine& line : calculated->Lines) texts.append(line.Text).append("\n");
    texts += SiteSheetPlainText(calculated->Sheet, calculated->SheetSource, design.Site);
    return texts;
}

struct SeparatorRow {
    const char* name;
    MixInput input;
    SiteSettings site;
};

void PrintTo(const SeparatorRow& row, std::ostream* out) { *out << row.name; }

class Separators : public ::testing::TestWithParam<SeparatorRow> {};

// The point design's texts with the marks swapped inside every number, and
// the method's fixed texts that hold numbers put back as they are.
std::string SwappedInNumbers(const std::string& point) {
    static const std::regex kNumber("[0-9]+([.,][0-9]+)*");
    std::string swapped;
    std::size_t last = 0;
    for (auto it = std::sregex_iterator(point.begin(), point.end(), kNumber);
         it != std::sregex_iterator(); ++it) {
        swapped += point.substr(last, it->position() - last) + Swapped(it->str());
        last = it->position() + it->length();
    }
    return swapped + point.substr(last);
}

std::string SwappedInFigures(const std::string& point) {
    std::string swapped = SwappedInNumbers(point);
    std::vector<std::string> fixed{"0.7 %"};
    for (SlumpChoice slump : kSlumpChoices) fixed.emplace_back(SlumpEntry(slump));
    for (const std::string& text : fixed) {
        const std::string wrong = SwappedInNumbers(text);
        for (std::size_t at = swapped.find(wrong); at != std::string::npos;
             at = swapped.find(wrong, at + 1))
            swapped.replace(at, text.size(), text);
    }
    return swapped;
}

TEST_P(Separators, SwapOnlyInsideTheFigures) {
    const std::string point =
        AllTexts(Typed(GetParam().input, GetParam().site, NumberLocale{".", ","}, false));
    const std::string comma =
        AllTexts(Typed(GetParam().input, GetParam().site, NumberLocale{",", "."}, true));
    const std::string expected = SwappedInFigures(point);
    std::istringstream commaLines(comma), expectedLines(expected);
    for (std::string got, want; std::getline(expectedLines, want);) {
        ASSERT_TRUE(std::getline(commaLines, got));
        EXPECT_TRUE(got == want) << "got:  " << got << "\nwant: " << want;
    }
    EXPECT_EQ(comma.size(), expected.size());
    EXPECT_NE(comma, point);
}

MixInput Moist(MixInput input, const char* moisture) {
    input.SandMoistureText = moisture;
    return input;
}

INSTANTIATE_TEST_SUITE_P(
    Designs, Separators,
    ::testing::Values(SeparatorRow{"WorkedWithoutPrices", testing::WorkedDesign(),
                                   DefaultSiteSettings()},
                      SeparatorRow{"AdmixtureLargePricedPour",
                                   Moist(testing::WorkedDesignWithAdmixture(), "5.5"),
                                   {"120.5", "7.5", "50", "1,400", "1500", "18", "1,450.25", "450",
                                    "550.5", "80"}},
                      SeparatorRow{"GroupedStrength",
                                   Moist(testing::WorkedDesign(), "3.25"),
                                   {"1", "0", "42.5", "1400", "1,500.5", "", "", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace krv1::presentation
