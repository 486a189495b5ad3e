#!/usr/bin/env bash
# Installs the Debian packages KRV1 needs that are not installed yet.
# Usage: scripts/setup.sh run|test|bench
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libcups2-dev libthai0 fonts-thai-tlwg
                nlohmann-json3-dev libqpdf-dev libxlsxwriter-dev pkg-config)
test_packages=(libgtest-dev libbenchmark-dev clang-format
               emscripten node-acorn libfast-float-dev chromium fonttools woff2 librsvg2-bin
               xvfb xauth x11-utils xdotool openbox imagemagick
               cups printer-driver-cups-pdf poppler-utils
               python3 clang libclang-rt-14-dev desktop-file-utils appstream shared-mime-info dpkg-dev
               file locales python3-openpyxl)

bench_packages=(libbenchmark-dev hyperfine time python3 xvfb xauth x11-utils openbox)

wanted=("${build_packages[@]}")
case "${1:-run}" in
  test) wanted+=("${test_packages[@]}") ;;
  bench) wanted+=("${bench_packages[@]}") ;;
esac

# The web page's tests need Node with its npm. Where the machine has a Node of
# its own (with its own npm), Debian's would conflict with it; otherwise
# Debian's nodejs and npm are installed.
if [[ ${1:-run} == test ]] && ! command -v node >/dev/null; then
  wanted+=(nodejs npm)
fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed'; then
    missing+=("$package")
  fi
done
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run the program under a comma-decimal and a Thai locale, to show
# that a design's own separators decide its figures, never the environment.
if [[ ${1:-run} == test ]]; then
  wanted_locales=(de_DE th_TH)
  generate=false
  for name in "${wanted_locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qx "$name.utf8"; then
      "${as_root[@]}" sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
      grep -qx "$name.UTF-8 UTF-8" /etc/locale.gen ||
        echo "$name.UTF-8 UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
      generate=true
    fi
  done
  if $generate; then "${as_root[@]}" locale-gen >/dev/null; fi
fi
