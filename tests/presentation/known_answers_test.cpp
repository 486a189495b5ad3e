// The known answers: designs across both shapes, every slump, both stone
// sizes, with and without admixture, and the cases where a plausible slip in
// the arithmetic gives a different batch. The table is tests/data/
// known-answers.json, keyed as a design file's inputs; one test per row.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>
#include <tuple>

#include "engine/calculation.h"
#include "presentation/result_texts.h"

namespace krv1::presentation {
namespace {

struct KnownAnswer {
    std::string name;
    MixInput input;
    int target = 0;
    BatchQuantities before;
    BatchQuantities after;
};

BatchQuantities BatchOf(const QJsonObject& panel) {
    return BatchQuantities{panel["cement"].toDouble(), panel["water"].toDouble(),
                           panel["sand"].toDouble(), panel["stone"].toDouble(),
                           panel["admixture"].toDouble()};
}

MixInput InputOf(const QJsonObject& inputs) {
    const auto text = [&](const char* key) { return inputs[key].toString().toStdString(); };
    MixInput input;
    input.RequiredStrength = text("strength");
    input.Shape = text("shape") == "cube" ? SpecimenShape::Cube : SpecimenShape::Cylinder;
    input.Admixture = text("admixture") == "with" ? AdmixtureChoice::WithAdmixture
                                                  : AdmixtureChoice::WithoutAdmixture;
    input.DosageText = text("dosage");
    const std::string slump = text("slump");
    input.Slump = slump == "7.5"    ? SlumpChoice::Slump7_5
                  : slump == "10.0" ? SlumpChoice::Slump10_0
                                    : SlumpChoice::Slump12_5;
    input.Stone = text("stone") == "1" ? StoneChoice::OneInch : StoneChoice::ThreeQuarterInch;
    input.SandMoistureText = text("moisture");
    return input;
}

std::vector<KnownAnswer> LoadKnownAnswers() {
    QFile file(QStringLiteral(KRV1_KNOWN_ANSWERS));
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<KnownAnswer> answers;
    for (const QJsonValue row : QJsonDocument::fromJson(file.readAll())["designs"].toArray()) {
        const QJsonObject design = row.toObject();
        answers.push_back(
            KnownAnswer{design["name"].toString().toStdString(),
                        InputOf(design["inputs"].toObject()), design["target"].toInt(),
                        BatchOf(design["before"].toObject()), BatchOf(design["after"].toObject())});
    }
    return answers;
}

// A failing row names its design, not the bytes of the row.
void PrintTo(const KnownAnswer& answer, std::ostream* out) { *out << answer.name; }

class KnownAnswers : public ::testing::TestWithParam<KnownAnswer> {};

void ExpectBatch(const BatchQuantities& actual, const BatchQuantities& expected,
                 const PanelTexts& texts) {
    const double quantities[] = {expected.Cement, expected.Water, expected.Sand, expected.Stone,
                                 expected.Admixture};
    EXPECT_EQ(actual.Cement, expected.Cement);
    EXPECT_EQ(actual.Water, expected.Water);
    EXPECT_EQ(actual.Sand, expected.Sand);
    EXPECT_EQ(actual.Stone, expected.Stone);
    EXPECT_EQ(actual.Admixture, expected.Admixture);
    // Each panel text is the whole quantity, then the blanks before its unit.
    for (std::size_t row = 0; row < kBatchRows; ++row)
        EXPECT_EQ(texts[row].rfind(std::to_string(static_cast<int>(quantities[row])) + " ", 0), 0u)
            << texts[row];
}

TEST_P(KnownAnswers, BothPanels) {
    const KnownAnswer& answer = GetParam();
    const CalculationResult result = CalculateMix(answer.input, {});
    const MixDesign* design = DesignOf(result);
    ASSERT_NE(design, nullptr) << ErrorOf(result)->Message;
    EXPECT_EQ(design->State.F, answer.target);
    const ResultTexts texts = ResultPanelTexts(*design, {});
    ExpectBatch(design->Rounded, answer.before, texts.BeforeCorrection);
    ExpectBatch(design->Adjusted, answer.after, texts.AfterCorrection);
}

TEST(KnownAnswersTable, CoversEveryCellOfTheWaterTableBothWays) {
    const std::vector<KnownAnswer> answers = LoadKnownAnswers();
    ASSERT_GE(answers.size(), 24u);
    std::set<std::tuple<SpecimenShape, SlumpChoice, StoneChoice, AdmixtureChoice>> cells;
    for (const KnownAnswer& answer : answers)
        cells.emplace(answer.input.Shape, answer.input.Slump, answer.input.Stone,
                      answer.input.Admixture);
    EXPECT_EQ(cells.size(), 2u * 3u * 2u * 2u);
}

INSTANTIATE_TEST_SUITE_P(Designs, KnownAnswers, ::testing::ValuesIn(LoadKnownAnswers()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace krv1::presentation
