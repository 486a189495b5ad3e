#include "presentation/design_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/design_file_texts.h"

namespace krv1::presentation {
namespace {

namespace f = text::design_file;

// The design a text holds; a refusal fails the test with its message.
Design Read(std::string_view text) {
    const DesignReading reading = ReadDesign(text);
    if (const auto* refusal = std::get_if<DesignRefusal>(&reading))
        ADD_FAILURE() << refusal->Message;
    const Design* design = std::get_if<Design>(&reading);
    return design ? *design : Design{};
}

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
                    EXPECT_EQ(Read(WriteDesign(design)), design);
                    ++designs;
                }
    EXPECT_EQ(designs, 3 * 3 * 4 * 3);
}

TEST(DesignFile, ACommaDecimalFileKeepsItsSeparators) {
    const Design read = Read(R"({"format": "krv1-design", "version": 1,
        "decimal": ",", "group": ".", "engineer": "",
        "inputs": {"strength": "210,4", "shape": "cylinder", "admixture": "without",
                   "dosage": "", "slump": "10.0", "stone": "3/4", "moisture": "5,5",
                   "site": {"volume": "3"}}, "later": true})");
    EXPECT_EQ(read.Locale, (NumberLocale{",", "."}));
    EXPECT_EQ(read.Input.RequiredStrength, "210,4");
    EXPECT_EQ(read.Input.Slump, SlumpChoice::Slump10_0);
    EXPECT_EQ(Read(WriteDesign(read)), read);
}

// Sixty characters of Thai, and every mark a Thai name may carry, stand.
TEST(DesignFile, ALongThaiNameIsKept) {
    Design design = DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithAdmixture,
                               SlumpChoice::Slump7_5, StoneChoice::OneInch);
    design.Engineer.clear();
    for (int i = 0; i < 6; ++i) design.Engineer += "ผู้ใหญ่ลี่";  // 10 characters
    EXPECT_TRUE(HarmlessEngineerName(design.Engineer));
    EXPECT_EQ(Read(WriteDesign(design)).Engineer, design.Engineer);
    EXPECT_FALSE(HarmlessEngineerName(design.Engineer + "ก"));
    EXPECT_FALSE(HarmlessEngineerName("\xe0\xb8"));  // cut inside a character
}

// Every site box keeps its own text, and an empty one stays empty rather
// than taking its default.
TEST(DesignFile, EverySiteBoxComesBackAsTyped) {
    Design design = DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithAdmixture,
                               SlumpChoice::Slump7_5, StoneChoice::OneInch);
    design.Site = {"8", "5", "", "1450", "1550", "18", "125", "450", "520", "95"};
    const Design read = Read(WriteDesign(design));
    for (std::size_t i = 0; i < kSiteSettings; ++i) {
        SCOPED_TRACE(BoxOf(static_cast<SiteSetting>(i)).key);
        EXPECT_EQ(read.Site[i], design.Site[i]);
    }
}

// A tried design keeps its trial's boxes and is written as version 2, so
// that an older KRV1 refuses it rather than drop the trial; one never tried
// is still version 1.
TEST(DesignFile, ATrialIsKeptAndMarksTheFileNewer) {
    Design design = DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithAdmixture,
                               SlumpChoice::Slump7_5, StoneChoice::OneInch);
    EXPECT_NE(WriteDesign(design).find("\"version\": 1,"), std::string::npos);
    design.Trial = TrialInputs{"6", "", "25", "", "4,8", "9", "2390", "", "7", "0,7"};
    const std::string text = WriteDesign(design);
    EXPECT_NE(text.find("\"version\": 2,"), std::string::npos);
    EXPECT_NE(text.find("\"cylinders\": null"), std::string::npos);
    EXPECT_EQ(Read(text), design);
}

// A project's name is kept as typed and marks the file newer; a design of
// none writes no key for it.
TEST(DesignFile, AProjectIsKeptOnlyWhenNamed) {
    Design design = DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithAdmixture,
                               SlumpChoice::Slump7_5, StoneChoice::OneInch);
    EXPECT_EQ(WriteDesign(design).find("\"project\""), std::string::npos);
    design.Project = "บ้านคุณสมศรี ซอย 5";
    const std::string text = WriteDesign(design);
    EXPECT_NE(text.find("\"project\": \"บ้านคุณสมศรี ซอย 5\""), std::string::npos);
    EXPECT_NE(text.find("\"version\": 2,"), std::string::npos);
    EXPECT_EQ(Read(text), design);
}

// Materials other than the method's are kept as version 3, which an older
// KRV1 refuses; the method's, typed or left empty, keep the file's version.
TEST(DesignFile, MaterialsOtherThanTheMethodsAreANewerVersion) {
    struct Row {
        const char* name;
        CementKind cement;
        std::array<std::string, kMaterialBoxes> boxes;
        bool kept;  // whether the file holds a "materials" object
        int version;
    };
    const Row rows[] = {
        {"none", CementKind::Portland, {}, false, 1},
        {"the method's typed",
         CementKind::Portland,
         {"3.15", "2.65", "0.7", "2.70", "", ""},
         true,
         1},
        {"stone absorption alone", CementKind::Portland, {"", "", "", "", "0.6", ""}, true, 1},
        {"hydraulic", CementKind::Hydraulic, {}, true, 3},
        {"a gravity", CementKind::Portland, {"", "2.62", "", "", "", ""}, true, 3},
        {"wet stone", CementKind::Portland, {"", "", "", "", "0.6", "2.0"}, true, 3},
        {"not a figure", CementKind::Portland, {"", "", "", "x", "", ""}, true, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Design design = DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithoutAdmixture,
                                   SlumpChoice::Slump7_5, StoneChoice::ThreeQuarterInch);
        design.Materials = MaterialTexts{row.cement, row.boxes};
        const std::string text = WriteDesign(design);
        EXPECT_EQ(text.find("\"materials\"") != std::string::npos, row.kept);
        EXPECT_NE(text.find("\"version\": " + std::to_string(row.version) + ","),
                  std::string::npos);
        EXPECT_EQ(Read(text), design);
    }
}

TEST(DesignFile, MaterialsAreKeptByTheirKeys) {
    Design design = DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithoutAdmixture,
                               SlumpChoice::Slump7_5, StoneChoice::ThreeQuarterInch);
    design.Materials = MaterialTexts{CementKind::Hydraulic, {"3.05", "", "1.2", "", "0.6", "2.0"}};
    const std::string text = WriteDesign(design);
    EXPECT_NE(text.find(R"("materials": {
    "cement": "hydraulic",
    "cement_sg": "3.05",
    "sand_sg": null,
    "sand_absorption": "1.2",
    "stone_sg": null,
    "stone_absorption": "0.6",
    "stone_moisture": "2.0"
  })"),
              std::string::npos)
        << text;
    // A key left out keeps the box empty, and the cement Portland.
    const Design read =
        Read(std::string(text).replace(text.find("\"cement\": \"hydraulic\",\n    "), 27, ""));
    EXPECT_EQ(read.Materials.Cement, CementKind::Portland);
    EXPECT_EQ(read.Materials.Boxes, design.Materials.Boxes);
}

struct RefusalRow {
    const char* name;
    std::string text;
    std::string message;
};

std::vector<RefusalRow> RefusalRows() {
    const std::string good =
        WriteDesign(DesignWith(SpecimenShape::Cube, AdmixtureChoice::WithAdmixture,
                               SlumpChoice::Slump7_5, StoneChoice::OneInch));
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::string incomplete(f::kIncomplete);
    const auto engineer = [&](const std::string& name) {
        return replaced("\"engineer\": \"สมชาย ใจดี\"", "\"engineer\": \"" + name + "\"");
    };
    const auto project = [&](const std::string& name) {
        return replaced("\"engineer\":", "\"project\": \"" + name + "\", \"engineer\":");
    };
    return {
        {"Empty", "", std::string(f::kNotADesign)},
        {"NotAnObject", "[1, 2]", std::string(f::kNotADesign)},
        {"CutInHalf", good.substr(0, good.size() / 2), std::string(f::kNotADesign)},
        {"OtherFormat", replaced("krv1-design", "krv2-design"), std::string(f::kNotADesign)},
        {"NewerVersion", replaced("\"version\": 1", "\"version\": 4"),
         std::string(f::kNewerVersion)},
        {"VersionBeyondAnInteger",
         replaced("\"version\": 1", "\"version\": 99999999999999999999999"),
         std::string(f::kNewerVersion)},
        {"VersionFraction", replaced("\"version\": 1", "\"version\": 1.5"), incomplete + "version"},
        {"VersionZero", replaced("\"version\": 1", "\"version\": 0"), incomplete + "version"},
        {"VersionAsText", replaced("\"version\": 1", "\"version\": \"1\""), incomplete + "version"},
        {"EngineerMissing", replaced("\"engineer\"", "\"engineers\""), incomplete + "engineer"},
        {"EngineerRetitlingATerminal", engineer("\\u001b]0;PWNED\\u0007\\u001b[2J"),
         incomplete + "engineer"},
        {"EngineerOnTwoLines", engineer("สมชาย\\nใจดี"), incomplete + "engineer"},
        {"EngineerWithDelete", engineer("สมชาย\\u007f"), incomplete + "engineer"},
        {"EngineerWithAC1Control", engineer("สมชาย\\u0085"), incomplete + "engineer"},
        {"EngineerTurnedRightToLeft", engineer("\\u202eสมชาย"), incomplete + "engineer"},
        {"EngineerInAnIsolate", engineer("\\u2066สมชาย\\u2069"), incomplete + "engineer"},
        {"EngineerOfSixtyOneCharacters", engineer(std::string(61, 'a')), incomplete + "engineer"},
        // The project's name follows the engineer's rule.
        {"ProjectOnTwoLines", project("บ้าน\\nซอย 5"), incomplete + "project"},
        {"ProjectTurnedRightToLeft", project("\\u202eบ้าน"), incomplete + "project"},
        {"ProjectOfSixtyOneCharacters", project(std::string(61, 'a')), incomplete + "project"},
        {"ProjectAsNumber", replaced("\"engineer\":", "\"project\": 5, \"engineer\":"),
         incomplete + "project"},
        {"StrengthAsNumber", replaced("\"strength\": \" 2,400 \"", "\"strength\": 2400"),
         incomplete + "strength"},
        {"UnknownShape", replaced("\"cube\"", "\"sphere\""), incomplete + "shape"},
        {"UnknownSlump", replaced("\"7.5\"", "\"7.50\""), incomplete + "slump"},
        {"StoneAsNumber", replaced("\"1\"", "1"), incomplete + "stone"},
        {"AdmixtureAsBoolean", replaced("\"with\"", "true"), incomplete + "admixture"},
        {"DecimalAsNumber", replaced("\"decimal\": \".\"", "\"decimal\": 46"),
         incomplete + "decimal"},
        {"GroupSameAsDecimal", replaced("\"group\": \",\"", "\"group\": \".\""),
         incomplete + "group"},
        {"SiteBoxAsNumber", replaced("\"volume\": \"1\"", "\"volume\": 1"), incomplete + "volume"},
        {"TrialNotAnObject", replaced("\"site\":", "\"trial\": [], \"site\":"),
         incomplete + "trial"},
        {"TrialBoxAsNumber", replaced("\"site\":", "\"trial\": {\"slump\": 9}, \"site\":"),
         incomplete + "slump"},
        // The site's materials: the object, the cement's kind and each box.
        {"MaterialsNotAnObject", replaced("\"site\":", "\"materials\": \"3.05\", \"site\":"),
         incomplete + "materials"},
        {"UnknownCement",
         replaced("\"site\":", "\"materials\": {\"cement\": \"white\"}, \"site\":"),
         incomplete + "cement"},
        {"CementAsNull", replaced("\"site\":", "\"materials\": {\"cement\": null}, \"site\":"),
         incomplete + "cement"},
        {"GravityAsNumber", replaced("\"site\":", "\"materials\": {\"stone_sg\": 2.68}, \"site\":"),
         incomplete + "stone_sg"},
        {"TooLarge", std::string(kLargestDesignBytes + 1, ' '), std::string(f::kTooLarge)},
        {"LargestThatIsNoJson", std::string(kLargestDesignBytes, '['), std::string(f::kNotADesign)},
    };
}

class DesignFileRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(DesignFileRefusal, SaysWhatIsWrong) {
    const DesignReading reading = ReadDesign(GetParam().text);
    const auto* refusal = std::get_if<DesignRefusal>(&reading);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->Message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(EachFault, DesignFileRefusal, ::testing::ValuesIn(RefusalRows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace krv1::presentation
