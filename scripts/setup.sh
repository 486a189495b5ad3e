#!/usr/bin/env bash
# Installs the Debian packages KRV1 needs that are not installed yet.
# Usage: scripts/setup.sh run|test|bench
set -euo pipefail

build_packages=(cmake ninja-build g++ qt6-base-dev libcups2-dev libthai0 fonts-thai-tlwg
                nlohmann-json3-dev)
test_packages=(libgtest-dev libbenchmark-dev clang-format
               emscripten node-acorn libfast-float-dev chromium
               xvfb xauth x11-utils xdotool openbox imagemagick
               cups printer-driver-cups-pdf poppler-utils
               python3 clang libclang-rt-14-dev desktop-file-utils appstream shared-mime-info dpkg-dev
               file)

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
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
