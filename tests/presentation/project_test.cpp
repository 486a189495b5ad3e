// A project of many designs: the file, its refusals, and the worked house by
// hand. Its three designs are known answers (tests/data/known-answers.json):
//   footings  240 ksc cube, 7.5 cm, 3/4", no admixture, sand 5 %:
//             before 310/190/800/1110/0, after 310/155/835/1110/0, site-mixed;
//   columns   280 ksc cylinder, 7.5 cm, 3/4", 300 cc, sand 2 %:
//             before 370/180/750/1135/1100, after 370/170/760/1135/1100, ready-mixed;
//   slab      210 ksc cube, 10 cm, 1", 250 cc, sand 0 %:
//             before 270/180/780/1190/700, after 270/185/775/1190/700, site-mixed;
// volumes 6.5, 4.2 and 9.0 m3 with 5 % waste, 50 kg bags, loose sand 1400
// and stone 1500 kg/m3, a 5 คิว sand truck and a 5 m3 ready-mix truck.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "presentation/project_report.h"
#include "tests/support/worked_project.h"
#include "text/design_file_texts.h"
#include "text/project_texts.h"

namespace krv1::presentation {
namespace {

nlohmann::json JsonOf(const Project& project) {
    const ProjectResult result = EvaluateProject(project, {2026, 12, 9});
    EXPECT_TRUE(std::holds_alternative<ProjectEvaluation>(result));
    return nlohmann::json::parse(ProjectJson(std::get<ProjectEvaluation>(result)));
}

// With waste the pours are 6.825, 4.41 and 9.45 m3.
// Cement 310 x 6.825 + 270 x 9.45 = 2115.75 + 2551.5 = 4667.25 kg: 94 bags
// of 50. Water 155 x 6.825 + 185 x 9.45 = 1057.875 + 1748.25 = 2806.125 l.
// Admixture 250 cc x 270 / 100 x 9.45 = 6.37875 l. Loose sand 835 x 6.825 /
// 1400 + 775 x 9.45 / 1400 = 4.070625 + 5.23125 = 9.301875 m3: 10 คิว, 2
// trips; stone 1110 x 6.825 / 1500 + 1190 x 9.45 / 1500 = 5.0505 + 7.497 =
// 12.5475 m3: 13 คิว, 3 trips. The columns: 4.41 m3, ordered 4.5, one truck.
TEST(Project, TheWorkedHouseByHand) {
    const nlohmann::json json = JsonOf(testing::WorkedHouse());
    const auto& order = json["order"];
    EXPECT_NEAR(order["cement_kg"].get<double>(), 4667.25, 1e-9);
    EXPECT_EQ(order["cement_bags"], 94);
    EXPECT_NEAR(order["water_l"].get<double>(), 2806.125, 1e-9);
    EXPECT_NEAR(order["admixture_l"].get<double>(), 6.37875, 1e-9);
    EXPECT_NEAR(order["sand_loose_m3"].get<double>(), 9.301875, 1e-9);
    EXPECT_EQ(order["sand_q"], 10);
    EXPECT_EQ(order["sand_trips"], 2);
    EXPECT_NEAR(order["stone_loose_m3"].get<double>(), 12.5475, 1e-9);
    EXPECT_EQ(order["stone_q"], 13);
    EXPECT_EQ(order["stone_trips"], 3);
    EXPECT_TRUE(order["cost_total"].is_null());
    ASSERT_EQ(json["ready_mix"].size(), 1u);
    const auto& columns = json["ready_mix"][0];
    EXPECT_EQ(columns["strength"], "280");
    EXPECT_EQ(columns["specimen"], "cylinder");
    EXPECT_EQ(columns["dosage"], "300");
    EXPECT_NEAR(columns["volume_m3"].get<double>(), 4.41, 1e-9);
    EXPECT_EQ(columns["order_m3"], 4.5);
    EXPECT_EQ(columns["trucks"], 1);
    // Each element's target and corrected metre.
    const int targets[] = {300, 396, 270};
    const double stone[] = {1110, 1135, 1190};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(json["elements"][i]["target"], targets[i]);
        EXPECT_EQ(json["elements"][i]["per_m3"]["stone"], stone[i]);
        EXPECT_TRUE(json["elements"][i]["refusal"].is_null());
    }
    EXPECT_TRUE(json["co2_total_kg"].is_null());
    EXPECT_EQ(json["notes"], nlohmann::json::array());
}

// Carbon from the batched metre before the correction: footings 310 x 0.8 +
// 800 x 0.005 + 1110 x 0.006 = 258.66, columns 370 x 0.8 + 750 x 0.005 +
// 1135 x 0.006 = 306.56 (the admixture's factor not given counts nothing),
// slab 270 x 0.8 + 780 x 0.005 + 1190 x 0.006 = 227.04 kg a m3; in all
// 258.66 x 6.825 + 306.56 x 4.41 + 227.04 x 9.45 = 5262.8121 kg.
TEST(Project, CarbonOfEveryElementWithTheFactorsGiven) {
    Project house = testing::WorkedHouse();
    house.Settings[static_cast<std::size_t>(ProjectSetting::Co2Cement)] = "0.8";
    house.Settings[static_cast<std::size_t>(ProjectSetting::Co2Sand)] = "0.005";
    house.Settings[static_cast<std::size_t>(ProjectSetting::Co2Stone)] = "0.006";
    const nlohmann::json json = JsonOf(house);
    const double perCubicMetre[] = {258.66, 306.56, 227.04};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(json["elements"][i]["co2_per_m3"].get<double>(), perCubicMetre[i], 1e-9);
    EXPECT_NEAR(json["co2_total_kg"].get<double>(), 5262.8121, 1e-9);
    EXPECT_EQ(json["notes"], nlohmann::json::array({std::string(text::project::kCarbonLeftOut)}));
}

// An element refused keeps its row and message and is in no total.
TEST(Project, ARefusedElementIsLeftOutOfEveryTotal) {
    Project house = testing::WorkedHouse();
    house.Elements[2].Design.Input.SandMoistureText = "ชื้น";
    const nlohmann::json json = JsonOf(house);
    EXPECT_EQ(json["elements"].size(), 3u);
    EXPECT_TRUE(json["elements"][2]["refusal"].is_string());
    EXPECT_TRUE(json["elements"][2]["per_m3"].is_null());
    EXPECT_NEAR(json["order"]["cement_kg"].get<double>(), 2115.75, 1e-9);
    EXPECT_EQ(json["order"]["cement_bags"], 43);  // 42.315 bags of 50
    EXPECT_EQ(json["notes"],
              nlohmann::json::array({std::string(text::project::kLeftOut) + "พื้น S1"}));
}

TEST(Project, AFileKeepsEveryElementWhole) {
    Project house = testing::WorkedHouse();
    house.Elements[0].Design.Materials.Cement = CementKind::Hydraulic;
    house.Settings[static_cast<std::size_t>(ProjectSetting::Co2Cement)] = "0.8";
    const std::string text = WriteProject(house);
    const ProjectReading read = ReadProject(text);
    ASSERT_TRUE(std::holds_alternative<Project>(read)) << std::get<DesignRefusal>(read).Message;
    EXPECT_EQ(std::get<Project>(read), house);
    // An element's design is a design file's object, version and all.
    const auto file = nlohmann::ordered_json::parse(text);
    EXPECT_EQ(file["elements"][0]["design"].dump(),
              nlohmann::ordered_json::parse(WriteDesign(house.Elements[0].Design)).dump());
}

TEST(Project, EachFaultOfAFileIsNamedWithItsPlace) {
    const std::string good = WriteProject(testing::WorkedHouse());
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const std::string incomplete(text::design_file::kIncomplete);
    const auto changed = [&](auto change) {
        auto file = nlohmann::ordered_json::parse(good);
        change(file);
        return file.dump();
    };
    const std::string many = changed([](auto& file) {
        while (file["elements"].size() < 201) file["elements"].push_back(file["elements"][0]);
    });
    const struct {
        const char* name;
        std::string text;
        std::string message;
    } rows[] = {
        {"not JSON", "{", std::string(text::project::kNotAProject)},
        {"a design", WriteDesign(testing::WorkedHouse().Elements[0].Design),
         std::string(text::project::kNotAProject)},
        {"newer", replaced("\"version\": 1,\n  \"decimal\"", "\"version\": 2,\n  \"decimal\""),
         std::string(text::design_file::kNewerVersion)},
        {"name with a control", replaced("บ้านคุณสมศรี ซอย 5", "บ้าน\\u0007"), incomplete + "name"},
        {"engineer missing",
         replaced("\"engineer\": \"สมชาย ใจดี\",\n  \"settings\"", "\"settings\""),
         incomplete + "engineer"},
        {"setting as number", replaced("\"sand_truck_q\": \"5\"", "\"sand_truck_q\": 5"),
         incomplete + "settings.sand_truck_q"},
        {"elements not a list", changed([](auto& file) {
             file["elements"] = {{"x", 1}};
         }),
         incomplete + "elements"},
        {"element not an object", changed([](auto& file) { file["elements"][2] = "พื้น"; }),
         incomplete + "elements[2]"},
        {"element name", replaced("ฐานราก F1-F8", "ฐาน\\nราก"), incomplete + "elements[0].name"},
        {"element supply", replaced("\"supply\": \"ready\"", "\"supply\": \"truck\""),
         incomplete + "elements[1].supply"},
        {"element's design inputs", replaced("\"inputs\"", "\"input\""),
         incomplete + "elements[0].design.inputs"},
        {"201 elements", many, std::string(text::project::kTooManyElements)},
        {"too large", std::string(kLargestProjectBytes + 1, ' '),
         std::string(text::project::kTooLarge)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ProjectReading read = ReadProject(row.text);
        const auto* refusal = std::get_if<DesignRefusal>(&read);
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->Message, row.message);
    }
}

TEST(Project, ASettingOutOfItsRangeRefusesTheProject) {
    const struct {
        ProjectSetting setting;
        const char* text;
        const char* message;  // null: taken
    } rows[] = {
        {ProjectSetting::SandTruck, "30", nullptr},
        {ProjectSetting::SandTruck, "0", "ความจุรถขนทราย-หิน (คิว/เที่ยว) ต้องมากกว่า 0 และไม่เกิน 30"},
        {ProjectSetting::ReadyTruck, "12.5",
         "ความจุรถคอนกรีตผสมเสร็จ (ลบ.ม./คัน) ต้องมากกว่า 0 และไม่เกิน 12"},
        {ProjectSetting::Co2Cement, "0", nullptr},
        {ProjectSetting::Co2Cement, "2.1",
         "ค่าคาร์บอนของปูนซีเมนต์ (กก.CO2e/กก.) ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 2"},
        {ProjectSetting::Co2Sand, "0.11", "ค่าคาร์บอนของทราย (กก.CO2e/กก.) ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 0.1"},
        {ProjectSetting::Co2Stone, "x", "ค่าคาร์บอนของหิน (กก.CO2e/กก.) ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 0.1"},
        {ProjectSetting::Co2Admixture, "-1",
         "ค่าคาร์บอนของน้ำยาผสมคอนกรีต (กก.CO2e/ลิตร) ต้องเป็นตัวเลขตั้งแต่ 0 ถึง 5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Project house = testing::WorkedHouse();
        house.Settings[static_cast<std::size_t>(row.setting)] = row.text;
        const ProjectResult result = EvaluateProject(house, {2026, 12, 9});
        const auto* refusal = std::get_if<ProjectSettingRefusal>(&result);
        if (!row.message) {
            EXPECT_EQ(refusal, nullptr);
            continue;
        }
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->Setting, row.setting);
        EXPECT_EQ(refusal->Message, row.message);
    }
}

}  // namespace
}  // namespace krv1::presentation
