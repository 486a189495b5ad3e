#include "strength_records.h"

#include <algorithm>
#include <cmath>

#include "engine/number_conversion.h"
#include "engine/target_strength.h"
#include "harmless_text.h"
#include "text/strength_records_texts.h"

namespace krv1::presentation {
namespace {

namespace r = text::records;

// ACI 318's factor for fewer than 30 tests, linear between these points.
struct FactorPoint {
    int Tests;
    double Factor;
};
constexpr FactorPoint kFactors[] = {{15, 1.16}, {20, 1.08}, {25, 1.03}, {30, 1.00}};

// ACI 318's limits, 3.5 and 35 MPa, as ksc on the cylinder basis.
constexpr double kLowSingleAllowance = 35;
constexpr double kHighStrength = 350;
// The required strengths of the records and of the design may differ by so
// much before the scatter of the one says little about the other.
constexpr double kComparableStrengths = 70;
// No concrete comes near this; a larger figure is a typing slip that would
// swamp the statistics.
constexpr double kHighestResult = 10000;
// ACI 214R's standards of control for general construction, upper bounds of
// the deviation in ksc (cylinder basis), best first.
constexpr double kControlBounds[] = {28, 35, 42, 49};

bool Blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string::npos; }

std::optional<double> Strength(std::string_view text, const NumberLocale& separators) {
    const std::optional<double> value = ParsedDouble(text, separators);
    if (value && *value > 0 && *value <= kHighestResult) return value;
    return std::nullopt;
}

RecordsRefusal RowRefused(std::size_t row) {
    return {row,
            std::string(r::kRowRefused).append(std::to_string(row)).append(r::kRowRefusedClose)};
}

double FactorFor(int tests) {
    for (std::size_t i = 0; i + 1 < std::size(kFactors); ++i) {
        const FactorPoint& from = kFactors[i];
        const FactorPoint& to = kFactors[i + 1];
        if (tests < to.Tests)
            return from.Factor +
                   (to.Factor - from.Factor) * (tests - from.Tests) / (to.Tests - from.Tests);
    }
    return 1.0;
}

std::string_view ControlOf(double deviation) {
    for (std::size_t i = 0; i < std::size(kControlBounds); ++i)
        if (deviation < kControlBounds[i]) return r::kControlClasses[i];
    return r::kControlClasses.back();
}

// The design's required strength, as typed, on the given specimen.
double OnShape(double strength, SpecimenShape from, SpecimenShape to) {
    if (from == to) return strength;
    return to == SpecimenShape::Cylinder ? strength * kCylinderPerCubeStrength
                                         : strength / kCylinderPerCubeStrength;
}

// Each test that counts, its result the mean of its specimens on the
// cylinder basis; the first row with a specimen that is no strength refuses.
std::variant<std::vector<TestFigures>, RecordsRefusal> TestsOf(const StrengthRecords& records,
                                                               const NumberLocale& separators) {
    std::vector<TestFigures> tests;
    for (std::size_t i = 0; i < records.Tests.size(); ++i) {
        double sum = 0;
        int filled = 0;
        for (const std::string& text : records.Tests[i].Values) {
            if (Blank(text)) continue;
            const std::optional<double> value = Strength(text, separators);
            if (!value) return RowRefused(i + 1);
            sum += *value;
            ++filled;
        }
        if (filled == 0) continue;
        const double mean = sum / filled;
        TestFigures test;
        test.Row = i + 1;
        test.Result =
            records.Specimen == SpecimenShape::Cube ? mean * kCylinderPerCubeStrength : mean;
        tests.push_back(test);
    }
    return tests;
}

// The mean, the standard deviation with its class of control, and from 15
// tests on ACI's factor for so few.
void Scatter(RecordsFigures& f) {
    const int n = static_cast<int>(f.Tests.size());
    if (n >= 1) {
        double sum = 0;
        for (const TestFigures& test : f.Tests) sum += test.Result;
        f.Mean = sum / n;
    }
    if (n >= 2) {
        double squares = 0;
        for (const TestFigures& test : f.Tests) {
            const double away = test.Result - *f.Mean;
            squares += away * away;
        }
        f.Deviation = std::sqrt(squares / (n - 1));
        f.Control = ControlOf(*f.Deviation);
    }
    if (n >= kFewestTestsForMargin) f.Factor = FactorFor(n);
}

// The averages of three consecutive tests, without a required strength to
// weigh them against.
void Averages(RecordsFigures& f) {
    for (std::size_t i = 2; i < f.Tests.size(); ++i)
        f.Tests[i].Average3 =
            (f.Tests[i - 2].Result + f.Tests[i - 1].Result + f.Tests[i].Result) / 3;
}

// ACI 318's acceptance against f'c: the single-test limit, the margin the
// scatter earns, and each test marked low alone or in an average of three.
void Acceptance(RecordsFigures& f, double fc) {
    f.SingleLimit = fc <= kHighStrength ? fc - kLowSingleAllowance : 0.90 * fc;
    if (f.Factor) {
        const double ks = *f.Factor * *f.Deviation;
        const double allowance = fc <= kHighStrength ? kLowSingleAllowance : 0.10 * fc;
        f.Margin = std::max(1.34 * ks, 2.33 * ks - allowance);
        f.MarginCube = *f.Margin / kCylinderPerCubeStrength;
    }
    Averages(f);
    for (std::size_t i = 0; i < f.Tests.size(); ++i) {
        TestFigures& test = f.Tests[i];
        test.LowSingle = test.Result < *f.SingleLimit;
        if (test.Average3 && *test.Average3 < fc)
            for (std::size_t j = i - 2; j <= i; ++j) f.Tests[j].LowAverage = true;
    }
}

RecordsVerdict VerdictOf(const RecordsFigures& f, bool strengthTyped) {
    if (f.Tests.empty()) return RecordsVerdict::NoTests;
    if (!strengthTyped) return RecordsVerdict::NoRequiredStrength;
    if (!f.Required) return RecordsVerdict::NoShape;
    const bool anyLow = std::any_of(f.Tests.begin(), f.Tests.end(),
                                    [](const TestFigures& test) { return test.Low(); });
    return anyLow ? RecordsVerdict::Rejected : RecordsVerdict::Accepted;
}

std::vector<std::string> NotesOf(const StrengthRecords& records, const MixInput& input,
                                 std::size_t tests, const std::optional<double>& specified,
                                 const std::optional<double>& strength) {
    std::vector<std::string> notes;
    if (tests < static_cast<std::size_t>(kFewestTestsForMargin))
        notes.emplace_back(r::kTooFewTests);
    if (specified && strength && input.Shape != SpecimenShape::None &&
        std::abs(*specified - OnShape(*strength, input.Shape, records.Specimen)) >
            kComparableStrengths)
        notes.emplace_back(r::kDifferentStrength);
    if (records.UseMargin) notes.emplace_back(r::kConfirmByTrial);
    if (records.Specimen == SpecimenShape::Cube) notes.emplace_back(r::kCylinderBasis);
    return notes;
}

}  // namespace

RecordCells CellsOf(const StrengthTest& test) {
    RecordCells cells;
    cells.front() = test.Date;
    std::copy(test.Values.begin(), test.Values.end(), cells.begin() + 1);
    cells.back() = test.Note;
    return cells;
}

StrengthTest TestOf(const RecordCells& cells) {
    StrengthTest test;
    test.Date = cells.front();
    std::copy(cells.begin() + 1, cells.end() - 1, test.Values.begin());
    test.Note = cells.back();
    return test;
}

std::vector<std::vector<std::string>> PastedRows(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        // A spreadsheet on Windows ends its lines with CR LF.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<std::string> cells;
        for (std::size_t from = 0; cells.size() < kRecordColumns;) {
            const std::size_t tab = std::min(line.find('\t', from), line.size());
            cells.emplace_back(line.substr(from, tab - from));
            if (tab == line.size()) break;
            from = tab + 1;
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

double OnSpecimen(double cylinder, SpecimenShape specimen) {
    return specimen == SpecimenShape::Cube ? cylinder / kCylinderPerCubeStrength : cylinder;
}

std::string_view VerdictText(RecordsVerdict verdict) {
    switch (verdict) {
        case RecordsVerdict::NoTests:
            return r::kNoTests;
        case RecordsVerdict::NoRequiredStrength:
            return r::kNoRequiredStrength;
        case RecordsVerdict::NoShape:
            return r::kNoShape;
        case RecordsVerdict::Accepted:
            return r::kAccepted;
        case RecordsVerdict::Rejected:
            return r::kRejected;
    }
    return {};
}

bool HarmlessRecordCell(std::string_view text) { return HarmlessLine(text, kLongestRecordCell); }

RecordsResult AnalyseRecords(const StrengthRecords& records, const MixInput& input,
                             const NumberLocale& separators) {
    std::optional<double> specified;
    if (!Blank(records.Specified)) {
        specified = Strength(records.Specified, separators);
        if (!specified) return RecordsRefusal{0, std::string(r::kSpecifiedRefused)};
    }
    auto tests = TestsOf(records, separators);
    if (auto* refusal = std::get_if<RecordsRefusal>(&tests)) return std::move(*refusal);

    RecordsFigures f;
    f.Specimen = records.Specimen;
    f.Tests = std::move(std::get<std::vector<TestFigures>>(tests));
    Scatter(f);
    const std::optional<double> strength = ParsedDouble(input.RequiredStrength, separators);
    if (strength && input.Shape != SpecimenShape::None)
        f.Required = OnShape(*strength, input.Shape, SpecimenShape::Cylinder);
    if (f.Required) {
        Acceptance(f, *f.Required);
        f.Target = TargetStrength(WithRecordsMargin(input, records, f), separators);
    } else {
        Averages(f);
    }
    f.Verdict = VerdictOf(f, strength.has_value());
    f.Notes = NotesOf(records, input, f.Tests.size(), specified, strength);
    return f;
}

MixInput WithRecordsMargin(const MixInput& input, const StrengthRecords& records,
                           const RecordsFigures& figures) {
    MixInput margined = input;
    margined.Margin.reset();
    if (records.UseMargin && figures.MarginCube)
        margined.Margin = EarnedMargin{*figures.MarginCube, static_cast<int>(figures.Tests.size()),
                                       *figures.Deviation, records.Specimen};
    return margined;
}

}  // namespace krv1::presentation
