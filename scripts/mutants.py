#!/usr/bin/env python3
"""Plants plausible faults one at a time in a copy of the tree and tells
which of them the suite catches: a fault the tests pass with survives.

Usage: scripts/mutants.py <tree> [name ...]
<tree> is a checkout of its own (a git worktree) with a configured build/
and, for the page's faults, the build-web/ and web/node_modules that
scripts/web.sh leaves; it is changed and put back, one fault at a time. Run by hand, not by the
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
    ("sheet settings not remembered", "forms/main/main_window.cpp",
     "    if (document_.untitled()) RememberedSettings::SetSiteSettings(settings);\n", "", "windows"),
    ("records off stop steering the design", "forms/main/main_window.cpp",
     "(usedMargin || records.UseMargin)", "(records.UseMargin)", "windows"),
    ("refused trial box not flagged", "forms/trial_batch/trial_window.cpp",
     "            ->setFlagged(true);", "            ->setFlagged(false);", "windows"),
    ("records' margin never earned for the design", "presentation/design_evaluation.cpp",
     "    if (design.Records && design.Records->UseMargin) {",
     "    if (design.Records && !design.Records->UseMargin) {", "unit"),
    # What is shown, printed and written: the trial's and records' texts,
    # the command line's pages, the windows that follow a design, the page.
    ("site volume's maximum refused", "presentation/site_sheet.cpp",
     "return {0, 10000, true};", "return {0, 9999, true};", "unit"),
    ("site waste's maximum refused", "presentation/site_sheet.cpp",
     "return {0, 100, false};", "return {0, 99, false};", "unit"),
    ("site setting's maximum excluded", "presentation/site_sheet.cpp",
     "*value <= range.max", "*value < range.max", "unit"),
    ("trial density's maximum refused", "presentation/trial_batch.cpp",
     "t::kDensity, 2000, 2700,", "t::kDensity, 2000, 2699,", "unit"),
    ("slump target 12.5 as 10", "presentation/trial_batch.cpp",
     "case SlumpChoice::Slump12_5:\n            return 12.5;",
     "case SlumpChoice::Slump12_5:\n            return 10.0;", "unit"),
    ("trial text without its notes", "presentation/trial_report.cpp",
     "    for (const std::string& note : trial.Notes) rows.push_back({Kind::Line, note, {}, {}});\n",
     "", "unit"),
    ("trial text without the measured water", "presentation/trial_report.cpp",
     "box.Box < TrialBox::Water ||", "box.Box <= TrialBox::Water ||", "unit"),
    ("corrected panel beside the uncorrected design", "presentation/trial_report.cpp",
     "add(texts.AfterCorrection, design.Adjusted);",
     "add(texts.AfterCorrection, design.Rounded);", "unit"),
    ("records' mean on cylinders", "presentation/records_report.cpp",
     "{\"mean\", r::kMean, r::kKsc, 1, true,", "{\"mean\", r::kMean, r::kKsc, 1, false,", "unit"),
    ("records' required on cylinders", "presentation/records_report.cpp",
     "{{}, r::kRequired, r::kKsc, 1, true,", "{{}, r::kRequired, r::kKsc, 1, false,", "unit"),
    ("records' limit on cylinders", "presentation/records_report.cpp",
     "{{}, r::kSingleLimit, r::kKsc, 1, true,", "{{}, r::kSingleLimit, r::kKsc, 1, false,", "unit"),
    ("records' target on cylinders", "presentation/records_report.cpp",
     "{{}, r::kTarget, r::kKsc, 1, true,", "{{}, r::kTarget, r::kKsc, 1, false,", "unit"),
    ("records' tests on cylinders", "presentation/records_report.cpp",
     "FigureText(OnSpecimen(figures.Result, specimen), Decimals(1), separators));",
     "FigureText(figures.Result, Decimals(1), separators));", "unit"),
    ("long records page lists every test", "presentation/records_report.cpp",
     "RecordsRows(records, f, separators, TestLines::LowOnly)",
     "RecordsRows(records, f, separators)", "unit"),
    ("--trial -o writes the report", "app/command_line.cpp",
     "} else if (line.action == CommandLine::Action::Trial) {",
     "} else if (line.action == CommandLine::Action::Trial && line.pdfFile.isEmpty()) {", "app"),
    ("--records=x taken", "app/command_line.cpp",
     "{&report, &sheet, &trial, &records, &json, &help, &version})",
     "{&report, &sheet, &trial, &json, &help, &version})", "app"),
    ("open trial window not following", "forms/main/main_window.cpp",
     "    followInTrial(*calculated);\n    // The records", "    // The records", "windows"),
    ("open records window not following", "forms/main/main_window.cpp",
     "    // The records weigh against the strength now in the boxes.\n    followInRecords();\n",
     "", "windows"),
    ("trial command left disabled", "forms/main/main_window.cpp",
     "    trialAction_->setEnabled(true);\n", "", "windows"),
    ("refused specified strength not flagged", "forms/strength_records/records_window.cpp",
     "(k::kSpecifiedBox)->setFlagged(true);", "(k::kSpecifiedBox)->setFlagged(false);", "windows"),
    ("opened records' margin box unticked", "forms/strength_records/records_window.cpp",
     "setChecked(records.UseMargin);", "setChecked(false);", "windows"),
    ("page: unticking keeps the margin", "web/page.js",
     "(usedMargin || $('records-use-margin').checked)", "($('records-use-margin').checked)", "web"),
    ("page: a pasted column is one cell", "web/page.js",
     "if (!/[\\t\\n]/.test(text)) return;", "if (!/\\t/.test(text)) return;", "web"),
]

TESTS = {
    # the names of the tests to run; every target is rebuilt, since a window's
    # test that compares its text with the program's would otherwise compare
    # a fresh program with a stale window and "kill" the fault by accident
    "unit": None,
    "app": "CommandLine|Files",
    "windows": None,
    "web": None,
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
        if kind == "web":
            return run_page(tree)
        pattern = TESTS[kind]
        built = subprocess.run(["cmake", "--build", str(tree / "build"), "--parallel", "2"],
                               capture_output=True)
        if built.returncode != 0:
            return "did not build"
        args = ["ctest", "--test-dir", str(tree / "build"), "--parallel", "2", "--stop-on-failure",
                "--timeout", "120"]
        args += ["-R", pattern] if pattern else ["-E", EXCLUDED]
        tested = subprocess.run(args, capture_output=True)
        return "killed" if tested.returncode != 0 else "SURVIVED"
    finally:
        file.write_text(text)
        if kind == "web":  # the site copies the script: leave it as it was
            subprocess.run(["cmake", "--build", str(tree / "build-web")], capture_output=True)


def run_page(tree):
    # The page's script is copied, not compiled: rebuild the site, then run
    # the page's tests in Chromium (web/node_modules as scripts/web.sh left it).
    built = subprocess.run(["cmake", "--build", str(tree / "build-web")], capture_output=True)
    if built.returncode != 0:
        return "did not build"
    tested = subprocess.run(["node", "--test", "web/tests/page.test.mjs"], cwd=tree,
                            capture_output=True)
    return "killed" if tested.returncode != 0 else "SURVIVED"


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
