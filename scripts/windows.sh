#!/usr/bin/env bash
# Builds KRV1 for 64-bit Windows on this Debian machine, from Debian's
# packages alone: Debian's MinGW-w64 (posix threads) cross-compiles Debian's
# own sources of Qt 6.4.2 (base and Charts) and of libxlsxwriter, once, into a
# cache folder outside the checkout; then KRV1 itself, statically linked, into
# build-windows/, packed as KRV1-<version>-windows-x64.zip.
#
# The cache is $KRV1_WINDOWS_CACHE, else ~/.cache/krv1-windows; a stage is
# reused when its stamp names the same version. Remove the folder to build
# everything again.
# Usage: scripts/windows.sh [qt]   (qt: stop once Qt is in the cache)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${KRV1_WINDOWS_CACHE:-$HOME/.cache/krv1-windows}
qt_version=6.4.2
prefix=$cache/qt-$qt_version-win64
host=x86_64-w64-mingw32
jobs=$(nproc)
# pkg-config answers for the Windows libraries alone, never the host's.
export PKG_CONFIG_LIBDIR=/usr/x86_64-w64-mingw32/lib/pkgconfig:$cache/jpeg-win64/lib/pkgconfig
export PKG_CONFIG_PATH=
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)

# Debian's cross compilers, its zlib for MinGW, and the tools of the zip.
packages=(mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
          dpkg-dev cmake ninja-build zip qt6-base-dev qt6-base-dev-tools)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed' ||
    missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Debian's sources through its own package client: a source entry for the
# archive the machine already uses.
sources=/etc/apt/sources.list.d/krv1-debian-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ /etc/apt/sources.list; then
  "${as_root[@]}" tee "$sources" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  "${as_root[@]}" apt-get update -qq
fi

# A package's source tree in the cache, unpacked once.
source_tree() {  # package folder-glob; fails when the mirror has no sources
  local src=$cache/src/$1
  if ! compgen -G "$src/$2" >/dev/null; then
    mkdir -p "$src"
    (cd "$src" && apt-get source -qq "$1" >/dev/null 2>&1) || return 1
  fi
  compgen -G "$src/$2" >/dev/null || return 1
  compgen -G "$src/$2" | head -1
}

stamp_ok() { [[ -f $1 && $(cat "$1") == "$2" ]]; }

# Configures a CMake project for Windows, release, in a fresh build folder.
cross_configure() {  # source build [cmake options...]
  local src=$1 build=$2
  shift 2
  rm -rf "$build" && mkdir -p "$build"
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows-toolchain.cmake" "$@" >/dev/null
}

# Qt base: static, release, without what KRV1 does not use, with Qt's own
# zlib, PCRE2, libpng, libjpeg, FreeType and HarfBuzz; the host's Qt 6.4.2
# tools (moc, rcc, uic) build it. The toolchain file keeps the host's own
# libraries (its Vulkan, ICU, zlib headers in /usr/include) out of it.
# Debian's sources leave out the Wintab header, so tablets are left out.
if ! stamp_ok "$prefix/.krv1-qtbase" "$qt_version"; then
  qtbase=$(source_tree qt6-base "qt6-base-$qt_version*/")
  build=$cache/build/qtbase
  rm -rf "$build" && mkdir -p "$build"
  (cd "$build" && "$qtbase/configure" -prefix "$prefix" -xplatform win32-g++ \
     -device-option CROSS_COMPILE=$host- -qt-host-path /usr -release -static \
     -nomake tests -nomake examples -no-opengl -no-feature-sql -no-feature-network \
     -no-feature-dbus -no-feature-testlib -no-feature-concurrent -no-feature-xml \
     -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz \
     -no-feature-vulkan -no-icu -no-zstd -no-feature-tabletevent -- \
     -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
     -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows-toolchain.cmake")
  cmake --build "$build" --parallel "$jobs"
  cmake --install "$build"
  echo "$qt_version" > "$prefix/.krv1-qtbase"
fi

# Qt Charts, configured against that prefix, when Debian's mirror has its
# sources; without it the program's charts say that their library is missing.
if ! stamp_ok "$prefix/.krv1-qtcharts" "$qt_version" && ! qtcharts=$(source_tree qt6-charts "qt6-charts-$qt_version*/" 2>/dev/null); then
  echo "Qt Charts' sources are not on this machine's Debian mirror: KRV1 for Windows is built without its charts"
elif ! stamp_ok "$prefix/.krv1-qtcharts" "$qt_version"; then
  build=$cache/build/qtcharts
  rm -rf "$build" && mkdir -p "$build"
  (cd "$build" && "$prefix/bin/qt-configure-module" "$qtcharts")
  cmake --build "$build" --parallel "$jobs"
  cmake --install "$build"
  echo "$qt_version" > "$prefix/.krv1-qtcharts"
fi
[[ ${1:-} == qt ]] && { echo "Qt $qt_version for Windows is in $prefix"; exit 0; }

# libxlsxwriter, static, against Debian's zlib for MinGW and its own minizip.
xlsx_prefix=$cache/xlsxwriter-win64
xlsx_version=$(apt-cache showsrc libxlsxwriter | sed -n 's/^Version: //p' | head -1)
if ! stamp_ok "$xlsx_prefix/.krv1-xlsxwriter" "$xlsx_version"; then
  xlsx=$(source_tree libxlsxwriter "libxlsxwriter-*/")
  build=$cache/build/xlsxwriter
  cross_configure "$xlsx" "$build" \
    -DCMAKE_INSTALL_PREFIX="$xlsx_prefix" -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTS=OFF \
    -DBUILD_EXAMPLES=OFF -DUSE_SYSTEM_MINIZIP=OFF -DUSE_OPENSSL_MD5=OFF -DUSE_NO_MD5=ON
  cmake --build "$build" --parallel "$jobs"
  cmake --install "$build" >/dev/null
  echo "$xlsx_version" > "$xlsx_prefix/.krv1-xlsxwriter"
fi

# qpdf, static with its own crypto, and libjpeg-turbo under it: each line of
# a PDF is marked with its Thai text, as on Linux. One of qpdf's headers
# leaves <cstdint> to be included before it, which MinGW's headers do not do.
jpeg_prefix=$cache/jpeg-win64
jpeg_version=$(apt-cache showsrc libjpeg-turbo | sed -n 's/^Version: //p' | head -1)
if ! stamp_ok "$jpeg_prefix/.krv1-jpeg" "$jpeg_version"; then
  jpeg=$(source_tree libjpeg-turbo "libjpeg-turbo-*/")
  build=$cache/build/jpeg
  cross_configure "$jpeg" "$build" \
    -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
  cmake --build "$build" --parallel "$jobs"
  cmake --install "$build" >/dev/null
  echo "$jpeg_version" > "$jpeg_prefix/.krv1-jpeg"
fi
qpdf_prefix=$cache/qpdf-win64
qpdf_version=$(apt-cache showsrc qpdf | sed -n 's/^Version: //p' | head -1)
if ! stamp_ok "$qpdf_prefix/.krv1-qpdf" "$qpdf_version"; then
  qpdf=$(source_tree qpdf "qpdf-*/")
  build=$cache/build/qpdf
  cross_configure "$qpdf" "$build" \
    -DCMAKE_INSTALL_PREFIX="$qpdf_prefix" -DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON \
    -DCMAKE_CXX_FLAGS="-include cstdint" \
    -DUSE_IMPLICIT_CRYPTO=OFF -DREQUIRE_CRYPTO_NATIVE=ON -DBUILD_DOC=OFF -DINSTALL_EXAMPLES=OFF \
    -DLIBJPEG_H_PATH="$jpeg_prefix/include" -DLIBJPEG_LIB_PATH="$jpeg_prefix/lib/libjpeg.a" \
    -DZLIB_H_PATH=/usr/x86_64-w64-mingw32/include -DZLIB_LIB_PATH=/usr/x86_64-w64-mingw32/lib/libz.a
  cmake --build "$build" --parallel "$jobs" --target libqpdf
  # The library and its headers alone: its tools and examples are not built.
  mkdir -p "$qpdf_prefix/lib" "$qpdf_prefix/include"
  cp "$build/libqpdf/libqpdf.a" "$qpdf_prefix/lib/"
  cp -r "$qpdf/include/qpdf" "$qpdf_prefix/include/"
  echo "$qpdf_version" > "$qpdf_prefix/.krv1-qpdf"
fi

# KRV1 itself: the program alone, static, Qt's Windows platform and styles
# linked in, the on-demand libraries linked into it.
version=$(sed -n 's/^project(KRV1 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=$root/build-windows
export KRV1_WINDOWS_PREFIXES="$prefix;$xlsx_prefix;$qpdf_prefix;$jpeg_prefix"
cmake -S "$root" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows-toolchain.cmake" \
  -DCMAKE_PREFIX_PATH="$prefix;$xlsx_prefix;$qpdf_prefix;$jpeg_prefix" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_TESTING=OFF -DKRV1_BUILD_BENCHMARKS=OFF -DKRV1_ON_DEMAND_LINKED=ON >/dev/null
cmake --build "$out/build" --parallel "$jobs" --target krv1

# The zip: the program, the licences of what is linked into it, a README in
# Thai, and the commit it was built from, for the check to compare with.
package=$out/KRV1-$version-windows-x64
rm -rf "$package" "$package.zip" && mkdir -p "$package/licences"
cp "$out/build/app/krv1.exe" "$package/"
cp packaging/windows/README-th.txt "$package/"
cp "$(compgen -G "$cache/src/qt6-base/qt6-base-$qt_version*/" | head -1)/LICENSES/LGPL-3.0-only.txt" \
   "$package/licences/Qt-LGPL-3.0.txt"
cp "$(compgen -G "$cache/src/qt6-base/qt6-base-$qt_version*/" | head -1)/LICENSES/GPL-3.0-only.txt" \
   "$package/licences/Qt-GPL-3.0.txt"
cp "$(compgen -G "$cache/src/libxlsxwriter/libxlsxwriter-*/" | head -1)/License.txt" \
   "$package/licences/libxlsxwriter.txt"
cp "$(compgen -G "$cache/src/qpdf/qpdf-*/" | head -1)/LICENSE.txt" "$package/licences/qpdf.txt"
cp "$(compgen -G "$cache/src/libjpeg-turbo/libjpeg-turbo-*/" | head -1)/LICENSE.md" \
   "$package/licences/libjpeg-turbo.txt"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$package/licences/zlib.txt"
cp /usr/share/doc/nlohmann-json3-dev/copyright "$package/licences/nlohmann-json.txt"
cp /usr/share/doc/libfast-float-dev/copyright "$package/licences/fast_float.txt"
git rev-parse HEAD > "$out/commit"
(cd "$out" && zip -qr "$(basename "$package").zip" "$(basename "$package")")
echo "built: $package.zip ($(du -h "$package.zip" | cut -f1))"
