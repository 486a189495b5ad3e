// A site's own strength records: the tests an engineer pastes from a
// spreadsheet, the margin their scatter earns by ACI 318's rules, and
// whether the concrete they stand for is accepted. ACI's constants are
// cylinder figures, so every rule works on cylinder strengths; cube results
// are converted with the method's own factor.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/mix_input.h"
#include "engine/number_locale.h"

namespace krv1::presentation {

inline constexpr std::size_t kSpecimensPerTest = 3;
// The longest text of a record's cell (its date or note), in characters.
inline constexpr std::size_t kLongestRecordCell = 60;
// Below this many tests the scatter earns no margin; the method's 60 stands.
inline constexpr int kFewestTestsForMargin = 15;

// One test: the specimens of one sample, as typed with the design's separators.
struct StrengthTest {
    std::string Date;
    std::array<std::string, kSpecimensPerTest> Values;
    std::string Note;

    bool operator==(const StrengthTest&) const = default;
};

struct StrengthRecords {
    SpecimenShape Specimen = SpecimenShape::Cube;  // cube or cylinder
    std::string Specified;  // the strength the records were specified at, may be empty
    bool UseMargin = false;
    std::vector<StrengthTest> Tests;

    bool operator==(const StrengthRecords&) const = default;
};

// A test that counts: one with at least one specimen filled. Figures are on
// the cylinder basis.
struct TestFigures {
    std::size_t Row = 0;  // the table's row, from 1, skipped rows counted
    double Result = 0;
    std::optional<double> Average3;  // with the two tests before it
    bool LowSingle = false;
    bool LowAverage = false;  // in an average of three below f'c
    // The mark every surface shows: below the single-test limit or in a low
    // average of three.
    bool Low() const { return LowSingle || LowAverage; }
};

// What the records say of the concrete they stand for.
enum class RecordsVerdict { NoTests, NoRequiredStrength, NoShape, Accepted, Rejected };
std::string_view VerdictText(RecordsVerdict verdict);

// Everything on the cylinder basis, unrounded.
struct RecordsFigures {
    std::vector<TestFigures> Tests;
    std::optional<double> Mean;
    std::optional<double> Deviation;   // from two tests on
    std::optional<double> Factor;      // k, from kFewestTestsForMargin tests on
    std::optional<double> Margin;      // with k and a required strength
    std::optional<double> MarginCube;  // the same on the method's cube basis
    std::optional<double> Required;    // f'c, the design's required strength
    std::optional<double> SingleLimit;
    std::optional<int16_t> Target;  // F as the design now uses it, cube basis
    std::optional<std::string_view> Control;
    RecordsVerdict Verdict = RecordsVerdict::NoTests;
    std::vector<std::string> Notes;
    SpecimenShape Specimen = SpecimenShape::Cube;  // the records' own
};

// What refuses a set of records: a row (from 1) whose specimen is not a
// strength above 0, or, as row 0, the specified strength.
struct RecordsRefusal {
    std::size_t Row = 0;
    std::string Message;
};
using RecordsResult = std::variant<RecordsFigures, RecordsRefusal>;

// The records' figures against the design `input`, read with `separators`.
RecordsResult AnalyseRecords(const StrengthRecords& records, const MixInput& input,
                             const NumberLocale& separators);

// The design's input with the margin the records' figures earn, when it
// uses them: without the box on or below 15 tests, the method's 60 stands.
MixInput WithRecordsMargin(const MixInput& input, const StrengthRecords& records,
                           const RecordsFigures& figures);

// Whether a date or note can stand in a cell, on the page and in a file: a
// line of at most kLongestRecordCell characters, as harmless as a name.
bool HarmlessRecordCell(std::string_view text);

// The table's columns: the date, the specimens, the note.
inline constexpr std::size_t kRecordColumns = kSpecimensPerTest + 2;
using RecordCells = std::array<std::string, kRecordColumns>;
RecordCells CellsOf(const StrengthTest& test);
StrengthTest TestOf(const RecordCells& cells);

// Rows copied from a spreadsheet: a line each, its columns apart by tabs,
// the end of the last line no row of its own. Columns past the table's are
// dropped.
std::vector<std::vector<std::string>> PastedRows(std::string_view text);

// A cylinder-basis figure on the records' own specimen.
double OnSpecimen(double cylinder, SpecimenShape specimen);

}  // namespace krv1::presentation
