#!/usr/bin/env bash
# Prints the worked design's report through CUPS to a PDF queue made the
# system default, and checks the page that arrives: one A4 portrait page, 44
# lines in order at their places and wholly inside the printable area, bold
# where the layout wants it, a Thai font embedded. Then checks that a queue rejecting jobs, and no default printer at
# all, are told to the engineer.
# Uses the running cupsd, or starts one (as root, through sudo otherwise) and
# stops it afterwards.
# Usage: scripts/real-print-check.sh [build-dir] [page.png]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
png=${2:-}
check=$build/tests/windows/real_print_check
queue=KRV1_PDF
work=$(mktemp -d)
chmod 755 "$work"
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

cupsd_pid=""
previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' || true)
previous_preserve=""
cleanup() {
  "${as_root[@]}" lpadmin -x "$queue" 2>/dev/null || true
  if [[ -n $previous_default ]]; then "${as_root[@]}" lpadmin -d "$previous_default" 2>/dev/null || true; fi
  # CUPS keeps job files for a day unless its configuration says otherwise.
  if [[ -n $previous_preserve ]]; then
    "${as_root[@]}" cupsctl "PreserveJobFiles=$previous_preserve" 2>/dev/null || true
  fi
  if [[ -n $cupsd_pid ]]; then "${as_root[@]}" kill "$cupsd_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

wait_for_scheduler() {
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && return 0
    sleep 0.1
  done
  echo "FAIL: the CUPS scheduler did not start"; exit 1
}
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  "${as_root[@]}" /usr/sbin/cupsd -f &
  cupsd_pid=$!
fi
wait_for_scheduler
# Keep the document of each job as the program sent it, for reading back; the
# scheduler's own setting comes back at the end.
previous_preserve=$("${as_root[@]}" cupsctl 2>/dev/null | sed -n 's/^PreserveJobFiles=//p')
previous_preserve=${previous_preserve:-86400}
"${as_root[@]}" cupsctl PreserveJobFiles=Yes
sleep 1
wait_for_scheduler
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
"${as_root[@]}" lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
# The printable area of A4 on this queue, "left bottom right top" in points
# from the page's lower left corner; the report is placed from its top left.
read -r area_left area_bottom area_right area_top \
  < <(zcat -f "$ppd" | sed -n 's|^\*ImageableArea A4/A4: "\(.*\)"|\1|p')
area_top=$(python3 -c "print(842 - $area_top)")
area_bottom=$(python3 -c "print(842 - $area_bottom)")
"${as_root[@]}" lpadmin -d "$queue"

"$check" queue-accepts "$queue"
"$check" queue-unknown KRV1_NO_SUCH_QUEUE
# Prints the report in the given mode and checks the page that arrives.
print_and_check() {  # printed|printed-margin
  touch "$work/stamp"
  sleep 1
  "$check" "$1"
  for _ in $(seq 300); do
    [[ -z $(lpstat -o "$queue" 2>/dev/null) ]] && break
    sleep 0.1
  done
  sent=$("${as_root[@]}" bash -c 'ls -t /var/spool/cups/d*-001 | head -1')
  "${as_root[@]}" cat "$sent" > "$work/sent.pdf"
  arrived=""
  for _ in $(seq 100); do
    arrived=$("${as_root[@]}" find /root/PDF "$HOME/PDF" /var/spool/cups-pdf -name '*.pdf' \
                -newer "$work/stamp" 2>/dev/null | head -1 || true)
    [[ -n $arrived ]] && break
    sleep 0.1
  done
  if [[ -z $arrived ]]; then echo "FAIL: no PDF arrived from the queue"; exit 1; fi
  "${as_root[@]}" cat "$arrived" > "$work/arrived.pdf"

  pdfinfo "$work/arrived.pdf" > "$work/arrived.info"
  pdftohtml -xml -zoom 1 -i -fontfullname -stdout -q "$work/sent.pdf" > "$work/sent.xml"
  pdffonts "$work/sent.pdf" > "$work/sent.fonts"
  pdftotext -bbox "$work/sent.pdf" "$work/sent.bbox.html"
  python3 tests/windows/details/check_report_pdf.py "$work/arrived.info" "$work/sent.xml" \
    "$work/sent.fonts" "$area_left" "$area_top" "$work/sent.bbox.html" "$area_right" "$area_bottom" \
    "$1"
}
print_and_check printed-margin
print_and_check printed
if [[ -n $png ]]; then
  mkdir -p "$(dirname "$png")"
  pdftoppm -png -r 80 -singlefile "$work/arrived.pdf" "${png%.png}" 2>/dev/null
fi

# A queue that rejects jobs: the engineer is told, and the program goes on.
"${as_root[@]}" cupsreject "$queue"
"$check" queue-refuses "$queue"
"$check" refused
# With no default printer the engineer is told too.
"${as_root[@]}" lpadmin -x "$queue"
previous_default=""
CUPS_SERVER=localhost:1 "$check" no-printer
echo "real print checked: one A4 page with 44 lines, or 47 with a records' margin of three figures and the site's materials; refused and no-printer messages shown"
