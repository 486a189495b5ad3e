#include "presentation/design_file.h"

#include <gtest/gtest.h>

#include "text/design_file_texts.h"

namespace krv1::presentation {
namespace {

namespace f = text::design_file;

Design DesignWith(SpecimenShape shape, AdmixtureChoice admixture, SlumpChoice slump,
                  StoneChoice stone) {
    Design design;
    design.Engineer = "สมชาย ใจดี";
    design.Input = MixInput{" 2,400 ", shape, slump, stone, admixture, "250", "5.5"};
    return design;
}

TEST(DesignFile, EveryChoiceCombinationComesBackAsSaved) {
    int designs = 0;
    for (auto shape : {SpecimenShape::None, SpecimenShape::Cube, SpecimenShape::Cylinder})
        for (auto admixture : {AdmixtureChoice::None, AdmixtureChoice::WithAdmixture,
                               AdmixtureChoice::WithoutAdmixture})
            for (auto slump : {SlumpChoice::None, SlumpChoice::Slump7_5, SlumpChoice::Slump10_0,
                               SlumpChoice::Slump12_5})
                for (auto stone :
                     {StoneChoice::None, StoneChoice::OneInch, StoneChoice::ThreeQuarterInch}) {
                    const Design design = DesignWith(shape, admixture, slump, stone);
                    const DesignReading reading = ReadDesign(WriteDesign(design));
                    ASSERT_TRUE(reading.Read) << reading.Message;
                    EXPECT_EQ(*reading.Read, design);
                    ++designs;
                }
    EXPECT_EQ(designs, 3 * 3 * 4 * 3);
}

TEST(DesignFile, ACommaDecimalFileKeepsItsSeparators) {
    const DesignReading reading = ReadDesign(R"({"format": "krv1-design", "version": 1,
        "decimal": ",", "group": ".", "engineer": "",
        "inputs": {"strength": "210,4", "shape": "cylinder", "admixture": "without",
                   "dosage": "", "slump": "10.0", "stone": "3/4", "moisture": "5,5",
                   "site": {"volume": "3"}}, "later": true})");
    ASSERT_TRUE(reading.Read) << reading.Message;
    EXPECT_EQ(reading.Read->Locale, (NumberLocale{",", "."}));
    EXPECT_EQ(reading.Read->Input.RequiredStrength, "210,4");
    EXPECT_EQ(reading.Read->Input.Slump, SlumpChoice::Slump10_0);
    EXPECT_EQ(ReadDesign(WriteDesign(*reading.Read)).Read, reading.Read);
}

TEST(DesignFile, RefusalsSayWhatIsWrong) {
    const std::string good =
        WriteDesign(DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithAdmixture,
                               SlumpChoice::Slump7_5, StoneChoice::OneInch));
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::string incomplete(f::kIncomplete);
    const struct {
        std::string text;
        std::string message;
    } rows[] = {
        {"", std::string(f::kNotADesign)},
        {"[1, 2]", std::string(f::kNotADesign)},
        {good.substr(0, good.size() / 2), std::string(f::kNotADesign)},
        {replaced("krv1-design", "krv2-design"), std::string(f::kNotADesign)},
        {replaced("\"version\": 1", "\"version\": 2"), std::string(f::kNewerVersion)},
        {replaced("\"version\": 1", "\"version\": \"1\""), incomplete + "version"},
        {replaced("\"engineer\"", "\"engineers\""), incomplete + "engineer"},
        {replaced("\"strength\": \" 2,400 \"", "\"strength\": 2400"), incomplete + "strength"},
        {replaced("\"cube\"", "\"sphere\""), incomplete + "shape"},
        {replaced("\"7.5\"", "\"7.50\""), incomplete + "slump"},
        {replaced("\"1\"", "1"), incomplete + "stone"},
        {replaced("\"with\"", "true"), incomplete + "admixture"},
        {replaced("\"decimal\": \".\"", "\"decimal\": 46"), incomplete + "decimal"},
        {std::string(kLargestDesignBytes + 1, ' '), std::string(f::kTooLarge)},
        {std::string(kLargestDesignBytes, '['), std::string(f::kNotADesign)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 80));
        const DesignReading reading = ReadDesign(row.text);
        EXPECT_FALSE(reading.Read);
        EXPECT_EQ(reading.Message, row.message);
    }
}

}  // namespace
}  // namespace krv1::presentation
