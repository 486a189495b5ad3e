// Arbitrary bytes as a design file: every text is read or refused with a
// message, and every design read is written back into a text that reads as
// the same design. Every design read is evaluated whole: its mix, its trial
// and its records are shown or refused with a message.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "presentation/design_evaluation.h"
#include "presentation/design_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace krv1::presentation;
    const DesignReading reading =
        ReadDesign(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* refusal = std::get_if<DesignRefusal>(&reading)) {
        if (refusal->Message.empty()) std::abort();
        return 0;
    }
    const Design& design = std::get<Design>(reading);
    const DesignEvaluation evaluation = EvaluateDesign(design, {2026, 12, 9});
    if (const auto* records = std::get_if<RecordsShown>(&evaluation.Records)) {
        if (SheetText(records->Rows).empty() || RecordsJson(records->Figures).empty()) std::abort();
    } else if (const auto* refusal = std::get_if<RecordsRefusal>(&evaluation.Records)) {
        if (refusal->Message.empty()) std::abort();
    }
    if (const CalculatedMix* calculated = evaluation.calculated()) {
        if (const auto* trial = std::get_if<TrialShown>(&calculated->Trial)) {
            if (SheetText(trial->Rows).empty() || TrialJson(trial->Outcome).empty()) std::abort();
        } else if (std::get<TrialRefusal>(calculated->Trial).Message.empty()) {
            std::abort();
        }
    } else if (RefusalMessage(evaluation.Mix).empty()) {
        std::abort();
    }
    const DesignReading again = ReadDesign(WriteDesign(design));
    // Texts that are not UTF-8 come back replaced; anything else exactly.
    if (!std::holds_alternative<Design>(again)) std::abort();
    return 0;
}
