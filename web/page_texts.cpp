#include "page_texts.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "presentation/choice_texts.h"
#include "presentation/design_file.h"
#include "presentation/project_file.h"
#include "presentation/project_report.h"
#include "presentation/result_texts.h"
#include "presentation/site_materials.h"
#include "presentation/site_sheet.h"
#include "presentation/trial_batch.h"
#include "text/conditions_texts.h"
#include "text/details_texts.h"
#include "text/hint_texts.h"
#include "text/main_window_texts.h"
#include "text/materials_texts.h"
#include "text/menu_texts.h"
#include "text/mix_choices.h"
#include "text/project_texts.h"
#include "text/reference_texts.h"
#include "text/report_texts.h"
#include "text/site_sheet_texts.h"
#include "text/strength_records_texts.h"
#include "text/trial_batch_texts.h"
#include "text/web_page_texts.h"

namespace krv1::web {
namespace {

using emscripten::val;

std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) text.append(piece);
    return text;
}

template <typename Texts>
val ArrayOf(const Texts& texts) {
    val array = val::array();
    for (std::string_view text : texts) array.call<void>("push", std::string(text));
    return array;
}

}  // namespace

val PageTexts() {
    namespace t = text::main_window;
    namespace h = text::hints;
    namespace w = text::web_page;
    val texts = val::object();
    const auto set = [&texts](const char* key, std::string_view text) {
        texts.set(key, std::string(text));
    };
    set("programTitle", t::kProgramTitle);
    set("description", t::kDescription);
    set("requirements", t::kRequirementsFrame);
    set("readConditions", t::kReadConditionsReminder);
    set("conditionsCommand", t::kConditionsCommand);
    set("engineer", t::kEngineerCaption);
    set("project", t::kProjectCaption);
    set("strength", t::kStrengthCaption);
    set("cube", t::kCubeOption);
    set("cylinder", t::kCylinderOption);
    set("withAdmixture", t::kWithAdmixtureOption);
    set("withoutAdmixture", t::kWithoutAdmixtureOption);
    set("slump", t::kSlumpCaption);
    set("stone", t::kStoneCaption);
    set("moisture", t::kMoistureCaption);
    set("dosage", t::kDosageCaption);
    set("calculate", t::kCalculateCommand);
    set("results", t::kResultsFrame);
    set("beforeCorrection", t::kBeforeCorrectionFrame);
    set("afterCorrection", t::kAfterCorrectionFrame);
    texts.set("rows",
              ArrayOf(std::initializer_list<std::string_view>{
                  t::kCementRow, t::kWaterRow, t::kSandRow, t::kStoneRow, t::kAdmixtureRow}));
    // How the module's answers key those rows.
    texts.set("rowKeys", ArrayOf(presentation::kBatchRowKeys));
    texts.set("slumpEntries", ArrayOf(text::kSlumpEntries));
    texts.set("stoneEntries", ArrayOf(text::kStoneEntries));
    // How a design file spells each entry, in the lists' order.
    val slumps = val::array();
    for (SlumpChoice slump : presentation::kSlumpChoices)
        slumps.call<void>("push", std::string(presentation::SpellingOf(slump)));
    texts.set("slumpSpellings", slumps);
    val stones = val::array();
    for (StoneChoice stone : presentation::kStoneChoices)
        stones.call<void>("push", std::string(presentation::SpellingOf(stone)));
    texts.set("stoneSpellings", stones);
    val hints = val::object();
    hints.set("strength", Joined({h::kStrength}));
    hints.set("slump", Joined({h::kSlumpPiece1, h::kSlumpPiece2, h::kSlumpPumpPiece}));
    hints.set("stone", Joined({h::kAggregatePiece1, h::kAggregatePiece2, h::kAggregatePiece3}));
    hints.set("moisture", Joined({h::kMoisturePiece1, h::kMoisturePiece2}));
    hints.set("admixture", Joined({h::kAdmixture}));
    hints.set("cube", Joined({h::kCube}));
    hints.set("cylinder", Joined({h::kCylinder}));
    texts.set("hints", hints);
    std::string conditions;
    for (std::string_view piece : text::kConditionsPieces) conditions.append(piece);
    texts.set("conditions", conditions);
    set("conditionsTitle", text::reference::kConditionsTitle);
    set("close", text::reference::kConditionsClose);
    set("detailsTitle", text::details::kTitle);
    set("reportTitle", text::report::kTitle);
    set("openDesign", w::kOpenDesign);
    set("saveDesign", w::kSaveDesign);
    set("printReport", w::kPrintReport);
    set("copyResults", w::kCopyResults);
    set("copied", w::kCopied);
    set("offline", w::kOffline);
    set("chooseEntry", w::kChooseEntry);
    set("hint", w::kHint);
    set("newDesign", text::menu::kNewDesign);
    set("appName", w::kAppName);
    set("appShortName", w::kAppShortName);
    set("printSheet", w::kPrintSheet);
    set("copySheet", w::kCopySheet);
    set("sheetCopied", w::kSheetCopied);
    namespace ss = text::site_sheet;
    set("siteSheet", ss::kTitle);
    set("densityNote", ss::kDensityNote);
    val settings = val::array();
    for (std::size_t i = 0; i < presentation::kSiteSettings; ++i) {
        const auto& box = presentation::BoxOf(static_cast<presentation::SiteSetting>(i));
        val setting = val::object();
        setting.set("key", std::string(box.key));
        setting.set("caption", std::string(box.caption));
        setting.set("default", std::string(box.defaultText));
        settings.call<void>("push", setting);
    }
    texts.set("siteSettings", settings);
    namespace tr = text::trial;
    set("trialTitle", tr::kTitle);
    set("ratioAxis", tr::kRatioAxis);
    set("strengthAxis", tr::kStrengthAxis);
    set("curveLegend", tr::kCurveLegend);
    set("designLegend", tr::kDesignLegend);
    set("trialLegend", tr::kTrialLegend);
    set("adjustedLegend", tr::kAdjustedLegend);
    val trialBoxes = val::array();
    for (const presentation::TrialBoxRow& row : presentation::TrialBoxRows()) {
        val box = val::object();
        box.set("key", std::string(row.Key));
        box.set("caption", std::string(row.Caption));
        trialBoxes.call<void>("push", box);
    }
    texts.set("trialBoxes", trialBoxes);
    namespace mt = text::materials;
    set("materialsTitle", mt::kTitle);
    set("materialsCement", mt::kCementCaption);
    set("materialsDefaults", mt::kDefaultsCommand);
    set("materialsCurveNote", mt::kCurveNote);
    val cements = val::array();
    for (presentation::CementKind kind :
         {presentation::CementKind::Portland, presentation::CementKind::Hydraulic,
          presentation::CementKind::Other}) {
        val cement = val::object();
        cement.set("key", std::string(presentation::CementKey(kind)));
        cement.set("name", std::string(presentation::CementName(kind)));
        cements.call<void>("push", cement);
    }
    texts.set("cements", cements);
    val materialBoxes = val::array();
    for (const presentation::MaterialBoxRow& row : presentation::MaterialBoxRows()) {
        val box = val::object();
        box.set("key", std::string(row.Key));
        box.set("caption", std::string(row.Caption));
        box.set("default", std::string(row.Default));
        materialBoxes.call<void>("push", box);
    }
    texts.set("materialBoxes", materialBoxes);
    namespace pr = text::project;
    set("projectTitle", pr::kTitle);
    set("projectNew", pr::kNewProject);
    set("projectOpen", pr::kOpenProject);
    set("projectSave", pr::kSaveProject);
    set("projectExport", pr::kExportWorkbook);
    set("projectName", pr::kProjectName);
    set("projectEngineer", pr::kProjectEngineer);
    set("projectAdd", pr::kAddDesign);
    set("projectOpenInMain", pr::kOpenInMain);
    set("projectRemove", pr::kRemove);
    set("projectUp", pr::kMoveUp);
    set("projectDown", pr::kMoveDown);
    set("projectNewElement", pr::kNewElement);
    set("projectTooMany", pr::kTooManyElements);
    set("projectCompare", pr::kCompareTitle);
    set("projectElements", pr::kElements);
    set("projectEditingTitle", pr::kEditingTitle);
    set("projectEditingOf", pr::kEditingOf);
    texts.set("mostElements", static_cast<double>(presentation::kMostElements));
    val listHeader = val::array();
    for (const std::string& caption : presentation::ElementListHeader())
        listHeader.call<void>("push", caption);
    texts.set("projectListHeader", listHeader);
    val supplies = val::array();
    for (presentation::Supply supply : {presentation::Supply::Site, presentation::Supply::Ready}) {
        val shown = val::object();
        shown.set("key", std::string(presentation::SupplyKey(supply)));
        shown.set("name", std::string(presentation::SupplyName(supply)));
        supplies.call<void>("push", shown);
    }
    texts.set("supplies", supplies);
    val projectSettings = val::array();
    for (const presentation::ProjectSettingRow& row : presentation::ProjectSettingRows()) {
        val setting = val::object();
        setting.set("key", std::string(row.Key));
        setting.set("caption", std::string(row.Caption));
        projectSettings.call<void>("push", setting);
    }
    texts.set("projectSettings", projectSettings);
    namespace r = text::records;
    set("recordsTitle", r::kSectionTitle);
    set("recordsCube", r::kCube);
    set("recordsCylinder", r::kCylinder);
    set("recordsSpecified", r::kSpecified);
    texts.set("recordsColumns", ArrayOf(r::kColumns));
    set("recordsAddRow", r::kAddRow);
    set("recordsDeleteRow", r::kDeleteRow);
    set("recordsPasteHint", r::kPasteHint);
    set("recordsTouchPasteHint", r::kTouchPasteHint);
    set("recordsUseMargin", r::kUseMargin);
    set("recordsCellRefused", r::kCellRefused);
    set("recordsTestAxis", r::kTestAxis);
    set("recordsStrengthAxis", r::kStrengthAxis);
    set("recordsResultsLegend", r::kResultsLegend);
    set("recordsAverageLegend", r::kAverageLegend);
    set("recordsRequiredLegend", r::kRequiredLegend);
    set("recordsLimitLegend", r::kLimitLegend);
    set("recordsTargetLegend", r::kTargetLegend);
    set("recordsRow", r::kRow);
    return texts;
}

}  // namespace krv1::web
