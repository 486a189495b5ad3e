#!/usr/bin/env python3
"""Plants plausible faults one at a time in a copy of the tree and tells
which of them the suite catches: a fault the tests pass with survives.

Usage: scripts/mutants.py <tree> [name ...]
<tree> is a checkout of its own (a git worktree) with a configured build/;
it is changed and put back, one fault at a time. Run by hand, not by the
suite: each fault rebuilds the tests it touches.
"""
import subprocess
import sys
import time
from pathlib import Path

# name, file, text as it is, text with the fault, the tests that should see it
MUTANTS = [
    ("slump water per cm", "presentation/trial_batch.cpp",
     "kWaterPerCmOfSlump = 4;", "kWaterPerCmOfSlump = 5;", "unit"),
    ("air note bound", "presentation/trial_batch.cpp",
     "kAirNoteAbovePercent = 3;", "kAirNoteAbovePercent = 4;", "unit"),
    ("box minimum excluded ignored", "presentation/trial_batch.cpp",
     "row.MinExcluded ? value > row.Min : value >= row.Min",
     "row.MinExcluded ? value >= row.Min : value >= row.Min", "unit"),
    ("box maximum excluded", "presentation/trial_batch.cpp",
     "value > row.Max ||", "value >= row.Max ||", "unit"),
    ("age 28 refused", "presentation/trial_batch.cpp",
     "value == 7 || value == 28;", "value == 7 || value == 27;", "unit"),
    ("extra 20 %", "presentation/trial_batch.cpp",
     "At(readings, B::Extra).value_or(25)", "At(readings, B::Extra).value_or(20)", "unit"),
    ("no volume not refused", "presentation/trial_batch.cpp",
     "if (volume == 0) return", "if (volume < 0) return", "unit"),
    ("plan sand dry", "presentation/trial_batch.cpp",
     "s.WSAND * (1 + sm) * k,", "s.WSAND * k,", "unit"),
    ("negative air kept", "presentation/trial_batch.cpp",
     "            air = 0;\n            notes.emplace_back(t::kDenseNote);",
     "            notes.emplace_back(t::kDenseNote);", "unit"),
    ("7-day ratio 0.75", "presentation/trial_batch.cpp",
     "value_or(0.70)", "value_or(0.75)", "unit"),
    ("cylinder trial multiplied", "presentation/trial_batch.cpp",
     "f28 / kCylinderPerCubeStrength", "f28 * kCylinderPerCubeStrength", "unit"),
    ("slump difference reversed", "presentation/trial_batch.cpp",
     "(SlumpTarget(input.Slump) - *slump)", "(*slump - SlumpTarget(input.Slump))", "unit"),
    ("slump target 10 as 12.5", "presentation/trial_batch.cpp",
     "case SlumpChoice::Slump10_0:\n            return 10.0;",
     "case SlumpChoice::Slump10_0:\n            return 12.5;", "unit"),
    ("factor at 15 tests", "presentation/strength_records.cpp",
     "{15, 1.16}", "{15, 1.18}", "unit"),
    ("2.33 as 2.32", "presentation/strength_records.cpp", "2.33 * ks", "2.32 * ks", "unit"),
    ("1.34 as 1.33", "presentation/strength_records.cpp", "1.34 * ks", "1.33 * ks", "unit"),
    ("single allowance 34", "presentation/strength_records.cpp",
     "kLowSingleAllowance = 35;", "kLowSingleAllowance = 34;", "unit"),
    ("high strength 345", "presentation/strength_records.cpp",
     "kHighStrength = 350;", "kHighStrength = 345;", "unit"),
    ("350 itself high", "presentation/strength_records.cpp",
     "f.SingleLimit = fc <= kHighStrength", "f.SingleLimit = fc < kHighStrength", "unit"),
    ("deviation over n", "presentation/strength_records.cpp",
     "squares / (n - 1)", "squares / n", "unit"),
    ("single limit itself low", "presentation/strength_records.cpp",
     "test.Result < *f.SingleLimit", "test.Result <= *f.SingleLimit", "unit"),
    ("comparable within 60", "presentation/strength_records.cpp",
     "kComparableStrengths = 70;", "kComparableStrengths = 60;", "unit"),
    ("confirm-by-trial note dropped", "presentation/strength_records.cpp",
     "    if (records.UseMargin) notes.emplace_back(r::kConfirmByTrial);\n", "", "unit"),
    ("margin from 16 tests", "presentation/strength_records.cpp",
     "if (n >= kFewestTestsForMargin) f.Factor", "if (n > kFewestTestsForMargin) f.Factor", "unit"),
    ("control bound itself better", "presentation/strength_records.cpp",
     "if (deviation < kControlBounds[i])", "if (deviation <= kControlBounds[i])", "unit"),
    ("margin_cube key renamed", "presentation/records_report.cpp",
     '{"margin_cube", ', '{"margincube", ', "unit"),
    ("crowded page keeps the good tests", "presentation/records_report.cpp",
     "TestLines::LowOnly && !test.Low()", "TestLines::LowOnly && test.Low()", "unit"),
    ("crowded page below 8 pt", "presentation/records_report.cpp",
     "kSmallestReadablePoints = 10;", "kSmallestReadablePoints = 8;", "unit"),
    ("use_margin written misspelled", "presentation/design_file.cpp",
     '{"use_margin", records.UseMargin}', '{"usemargin", records.UseMargin}', "unit"),
    ("trial records written without their note", "presentation/design_file.cpp",
     '{"note", test.Note}', '{"note", ""}', "unit"),
    ("air shown to two decimals", "presentation/trial_report.cpp",
     '{"air_percent", t::kAir, t::kPercent, 1,', '{"air_percent", t::kAir, t::kPercent, 2,', "unit"),
    ("refused adjusted mix is the file's", "app/command_line.cpp",
     "return Refuse(kCalculationRefused, FromUtf8(refused->Message));",
     "return Refuse(kFileRefused, FromUtf8(refused->Message));", "app"),
    ("--date taken with the report", "app/command_line.cpp",
     "            if (line.action != CommandLine::Action::Sheet)\n                return WrongUsage(FromUtf8(c::kDateWithSheet));\n",
     "", "app"),
    ("sheet settings not remembered", "forms/main/main_window.cpp",
     "    if (document_.untitled()) RememberedSettings::SetSiteSettings(settings);\n", "", "windows"),
    ("records off stop steering the design", "forms/main/main_window.cpp",
     "(usedMargin || records.UseMargin)", "(records.UseMargin)", "windows"),
    ("refused trial box not flagged", "forms/trial_batch/trial_window.cpp",
     "            ->setFlagged(true);", "            ->setFlagged(false);", "windows"),
    ("records' margin never earned for the design", "presentation/design_evaluation.cpp",
     "    if (design.Records && design.Records->UseMargin) {",
     "    if (design.Records && !design.Records->UseMargin) {", "unit"),
]

TESTS = {
    # the tests to build, and the names of those to run
    "unit": (["engine_tests", "presentation_tests", "command_line_tests", "krv1"], None),
    "app": (["command_line_tests", "krv1"], "CommandLine|Files"),
    "windows": (["forms_main_tests", "presentation_tests"], None),
}
# What the unit runs leave out: the slow checks of the real windows and
# printer, the package and the format.
EXCLUDED = "^(RealWindow|RealPrint|Package|Style|Soak|LongestFillings)"


def run(tree, name, path, old, new, kind):
    file = tree / path
    text = file.read_text()
    if text.count(old) != 1:
        return "no such text"
    file.write_text(text.replace(old, new))
    try:
        targets, pattern = TESTS[kind]
        built = subprocess.run(["cmake", "--build", str(tree / "build"), "--parallel", "2", "--target",
                                *targets], capture_output=True)
        if built.returncode != 0:
            return "did not build"
        args = ["ctest", "--test-dir", str(tree / "build"), "--parallel", "2", "--stop-on-failure",
                "--timeout", "120"]
        args += ["-R", pattern] if pattern else ["-E", EXCLUDED]
        tested = subprocess.run(args, capture_output=True)
        return "killed" if tested.returncode != 0 else "SURVIVED"
    finally:
        file.write_text(text)


def main():
    tree = Path(sys.argv[1])
    wanted = set(sys.argv[2:])
    for name, path, old, new, kind in MUTANTS:
        if wanted and name not in wanted:
            continue
        start = time.time()
        verdict = run(tree, name, path, old, new, kind)
        print(f"{verdict:14} {path.split('/')[0]:13} {name}  ({time.time() - start:.0f} s)", flush=True)


if __name__ == "__main__":
    main()
