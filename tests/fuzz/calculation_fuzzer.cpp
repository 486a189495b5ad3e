// Arbitrary texts and choices through the whole calculation and every text
// the program computes from it: panels, account and report. Every input must end in a design or in
// one of the engine's errors, and a refused calculation must hand back no state at all.
//
// Input: lines of text: strength, shape (0 none, 1 cube, 2 cylinder), slump
// and stone (a digit picks a list entry, 0 none; anything else is read back
// as a list entry would be), admixture (0 none, 1 with, 2 without), dosage, moisture.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation.h"
#include "presentation/choice_texts.h"
#include "presentation/details_values.h"
#include "presentation/report_lines.h"
#include "presentation/result_texts.h"
#include "text/engine_messages.h"

namespace {

using namespace krv1;

void Require(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> Lines(std::string_view data) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (lines.size() < 7) {
        const std::size_t end = data.find('\n', start);
        lines.emplace_back(data.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    lines.resize(7);
    return lines;
}

template <typename Choice, std::size_t N>
Choice ListChoice(const std::string& line, const std::array<Choice, N>& choices,
                  Choice (*ofEntry)(std::string_view)) {
    if (line.size() == 1 && line[0] >= '0' && line[0] <= '9') {
        const std::size_t pick = static_cast<std::size_t>(line[0] - '0');
        return pick >= 1 && pick <= N ? choices[pick - 1] : Choice::None;
    }
    return ofEntry(line);
}

bool KnownMessage(const std::string& message) {
    for (std::string_view known :
         {text::kStrengthNotNumber, text::kShapeNotChosen, text::kAdmixtureNotChosen,
          text::kDosageNotNumber, text::kSlumpNotChosen, text::kAggregateNotChosen,
          text::kMoistureNotNumber, text::kResultOutOfRange, text::kDosageNegative,
          text::kMoistureNegative, text::kWaterNegative}) {
        if (message == known) return true;
    }
    return message.rfind(text::kTargetStrengthOutOfRange, 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static MixState previous;  // the state the last good design left, as the window keeps it
    const auto lines = Lines(std::string_view(reinterpret_cast<const char*>(data), size));
    MixInput input;
    input.RequiredStrength = lines[0];
    input.Shape = lines[1] == "1"   ? SpecimenShape::Cube
                  : lines[1] == "2" ? SpecimenShape::Cylinder
                                    : SpecimenShape::None;
    input.Slump = ListChoice(lines[2], presentation::kSlumpChoices, presentation::SlumpOfEntry);
    input.Stone = ListChoice(lines[3], presentation::kStoneChoices, presentation::StoneOfEntry);
    input.Admixture = lines[4] == "1"   ? AdmixtureChoice::WithAdmixture
                      : lines[4] == "2" ? AdmixtureChoice::WithoutAdmixture
                                        : AdmixtureChoice::None;
    input.DosageText = lines[5];
    input.SandMoistureText = lines[6];

    for (const NumberLocale& locale : {NumberLocale{}, NumberLocale{",", "."}}) {
        const CalculationResult result = CalculateMix(input, previous, locale);
        if (const CalculationError* error = ErrorOf(result)) {
            // Every refusal names the input to correct.
            Require(error->Input.has_value() && KnownMessage(error->Message));
            continue;
        }
        const MixDesign& design = *DesignOf(result);
        const MixState& s = design.State;
        Require(s.F >= 150 && s.F <= 450);
        Require(s.VGRAVEL == 1000 - s.W - s.P);
        // Every accepted batch can be weighed out: nothing below zero, and
        // each quantity on its batching step.
        Require(s.VYA >= 0 && design.Adjusted.Water >= 0);
        for (double kg : {design.Rounded.Cement, design.Rounded.Sand, design.Rounded.Stone,
                          design.Adjusted.Sand, design.Adjusted.Water})
            Require(std::fmod(kg, 5) == 0);
        Require(std::fmod(design.Rounded.Admixture, 50) == 0);
        Require(design.Adjusted.Cement == design.Rounded.Cement);
        Require(design.Adjusted.Stone == design.Rounded.Stone);

        const auto account = presentation::DetailsValueTexts(input, design, locale);
        for (const std::string& value : account.inOrder()) Require(!value.empty());
        const auto report = presentation::ReportLines(account, {lines[0], lines[0], {}});
        Require(presentation::ReportAccountLines(account) ==
                presentation::kReportLines + (input.Shape == SpecimenShape::Cylinder));
        previous = s;
    }
    return 0;
}
