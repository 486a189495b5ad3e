#!/usr/bin/env bash
# Measures KRV1's figures side by side and prints them as one Markdown table:
# start-up to the main window's first complete frame and the peak memory by
# then, against a bare Qt Widgets window built with the same flags (in the
# same run, on a real X display and offscreen), the real-widget handlers and
# the engine. Run by hand; the table is kept in the README.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh bench
scripts/build.sh >/dev/null
# A real X display of this script's own (Xvfb with a window manager); sets work.
source scripts/x-session.sh
unset QT_QPA_PLATFORM
bare=build/bench/bare_window probe=build/bench/startup_probe

# Ten rounds of 10 runs each, the two programs taking turns, so that a slow
# spell of a shared machine falls on both; the medians are of all 100 runs.
for round in $(seq 10); do
  hyperfine --warmup 3 --runs 10 --export-json "$work/startup-x-$round.json" -N "$bare" "$probe" \
    >/dev/null 2>&1
  QT_QPA_PLATFORM=offscreen hyperfine --warmup 3 --runs 10 \
    --export-json "$work/startup-offscreen-$round.json" -N "$bare" "$probe" >/dev/null 2>&1
done
peak_kb() {  # median of five runs' maximum resident set size
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f '%M' "$1" 2>&1 >/dev/null | tail -1
  done | sort -n | sed -n 3p
}
bare_kb=$(peak_kb "$bare")
krv1_kb=$(peak_kb "$probe")
export QT_QPA_PLATFORM=offscreen
build/bench/windows_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json 2>/dev/null > "$work/windows.json"
build/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json 2>/dev/null > "$work/engine.json"
build/bench/project_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json 2>/dev/null > "$work/project.json"

python3 - "$work" "$bare_kb" "$krv1_kb" <<'PY'
import glob, json, statistics, sys
work, bare_kb, krv1_kb = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])

def startup(platform):
    times = {"startup_probe": [], "bare_window": []}
    for path in glob.glob("%s/startup-%s-*.json" % (work, platform)):
        for result in json.load(open(path))["results"]:
            times[result["command"].split("/")[-1]] += result["times"]
    return statistics.median(times["startup_probe"]) * 1000, statistics.median(times["bare_window"]) * 1000

def median(path, name):
    for b in json.load(open(path))["benchmarks"]:
        if b["name"] == name + "_median":
            return b["real_time"], b["time_unit"]

rows = []
for platform, name, target in [("X display (Xvfb)", "x", "at most 1.2 x"),
                               ("offscreen", "offscreen", "")]:
    krv1, bare = startup(name)
    rows.append(("start-up to the first complete frame, %s (median of 100)" % platform,
                 "%.1f ms vs bare window %.1f ms" % (krv1, bare), "%.2f x" % (krv1 / bare), target))
rows.insert(1, ("peak memory by the first frame, X display, max RSS (median of 5)",
                "%.1f MB vs bare window %.1f MB" % (krv1_kb / 1024, bare_kb / 1024),
                "%.2f x" % (krv1_kb / bare_kb), "at most 1.1 x"))
for name, label, target in [("BM_CalculatePress", "one Calculate press, real widgets", "under 1 ms"),
                            ("BM_DetailsFilling", "one details filling, real widgets", "under 5 ms"),
                            ("BM_RecordedPrintJob", "one recorded print job", "under 5 ms")]:
    t, unit = median(work + "/windows.json", name)
    rows.append((label + " (median)", "%.1f %s" % (t, unit), "", target))
t, unit = median(work + "/engine.json", "BM_CalculateMix")
rows.append(("engine alone, one whole calculation (median)", "%.0f %s" % (t, unit), "", ""))
for name, label, target in [("BM_EvaluateProject", "a project of 200 elements evaluated", "under 0.5 s"),
                            ("BM_WriteProjectWorkbook", "its workbook written", "under 1 s")]:
    t, unit = median(work + "/project.json", name)
    rows.append((label + " (median)", "%.1f %s" % (t, unit), "", target))
print("| figure | measured | ratio | target |")
print("|---|---|---|---|")
for row in rows:
    print("| %s | %s | %s | %s |" % row)
PY
echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
     "$(. /etc/os-release; echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev | cut -d- -f1)"
