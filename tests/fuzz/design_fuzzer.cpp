// Arbitrary bytes as a design file: every text is read or refused with a
// message, and every design read is written back into a text that reads as
// the same design. Records a design holds are weighed or refused with a
// message, and their text and JSON written.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "presentation/design_file.h"
#include "presentation/records_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace krv1::presentation;
    const DesignReading reading =
        ReadDesign(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* refusal = std::get_if<DesignRefusal>(&reading)) {
        if (refusal->Message.empty()) std::abort();
        return 0;
    }
    const Design& design = std::get<Design>(reading);
    if (design.Records) {
        const RecordsResult weighed = AnalyseRecords(*design.Records, design.Input, design.Locale);
        if (const auto* figures = std::get_if<RecordsFigures>(&weighed)) {
            if (SheetText(RecordsRows(*design.Records, *figures, design.Locale)).empty() ||
                RecordsJson(*figures).empty())
                std::abort();
        } else if (std::get<RecordsRefusal>(weighed).Message.empty()) {
            std::abort();
        }
    }
    const DesignReading again = ReadDesign(WriteDesign(design));
    // Texts that are not UTF-8 come back replaced; anything else exactly.
    if (!std::holds_alternative<Design>(again)) std::abort();
    return 0;
}
