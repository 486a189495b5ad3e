#!/usr/bin/env bash
# Measures KRV1's figures side by side and prints them as one Markdown table:
# start-up and peak memory against a bare Qt Widgets window built with the
# same flags (offscreen, in the same run), the real-widget handlers and the
# engine. Run by hand; the table is kept in the README.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh bench
scripts/build.sh >/dev/null
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/krv1-bench-runtime}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

hyperfine --warmup 5 --runs 60 --export-json "$work/startup.json" -N \
  build/bench/bare_window build/bench/startup_probe >/dev/null 2>&1
peak_kb() {  # median of five runs' maximum resident set size
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f '%M' "$1" 2>&1 >/dev/null | tail -1
  done | sort -n | sed -n 3p
}
bare_kb=$(peak_kb build/bench/bare_window)
krv1_kb=$(peak_kb build/bench/startup_probe)
build/bench/windows_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json 2>/dev/null > "$work/windows.json"
build/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json 2>/dev/null > "$work/engine.json"

python3 - "$work" "$bare_kb" "$krv1_kb" <<'PY'
import json, sys
work, bare_kb, krv1_kb = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
runs = {r["command"].split("/")[-1]: r for r in json.load(open(work + "/startup.json"))["results"]}
bare, krv1 = runs["bare_window"]["median"] * 1000, runs["startup_probe"]["median"] * 1000

def median(path, name, unit):
    for b in json.load(open(path))["benchmarks"]:
        if b["name"] == name + "_median":
            return b["real_time"], b["time_unit"]

rows = [
    ("start-up to the main window ready (median of 60)", "%.1f ms vs bare window %.1f ms" % (krv1, bare),
     "%.2f x" % (krv1 / bare), "at most 1.3 x"),
    ("peak memory, max RSS (median of 5)", "%.1f MB vs bare window %.1f MB" % (krv1_kb / 1024, bare_kb / 1024),
     "%.2f x" % (krv1_kb / bare_kb), "at most 1.3 x"),
]
for name, label, target in [("BM_CalculatePress", "one Calculate press, real widgets", "under 1 ms"),
                            ("BM_DetailsFilling", "one details filling, real widgets", "under 5 ms"),
                            ("BM_RecordedPrintJob", "one recorded print job", "under 5 ms")]:
    t, unit = median(work + "/windows.json", name, "us")
    rows.append((label + " (median)", "%.1f %s" % (t, unit), "", target))
t, unit = median(work + "/engine.json", "BM_CalculateMix", "ns")
rows.append(("engine alone, one whole calculation (median)", "%.0f %s" % (t, unit), "", ""))
print("| figure | measured | ratio | target |")
print("|---|---|---|---|")
for row in rows:
    print("| %s | %s | %s | %s |" % row)
PY
echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
     "$(. /etc/os-release; echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev | cut -d- -f1)," \
     "offscreen platform"
