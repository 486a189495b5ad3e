#!/usr/bin/env bash
# Builds the .deb with CPack and checks it: package fields and dependencies,
# the installed files, and the desktop entry and AppStream data.
# Usage: scripts/package-check.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls -t "$build"/krv1_*.deb | head -1)
info=$(dpkg-deb --info "$deb")
contents=$(dpkg-deb --contents "$deb")
failed=0
expect() {  # expect "what" text needle
  if ! grep -qF -- "$3" <<<"$2"; then echo "FAIL: $1 lacks $3"; failed=1; fi
}
for dependency in fonts-thai-tlwg libthai0 libqt6widgets6 libqt6printsupport6 libcups2 \
                  libqt6charts6 libqpdf29 libxlsxwriter4; do
  expect "Depends" "$info" "$dependency"
done
expect "package" "$info" "Package: krv1"
for file in ./usr/bin/krv1 ./usr/share/applications/org.example.krv1.desktop \
            ./usr/share/metainfo/org.example.krv1.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/krv1.svg \
            ./usr/share/mime/packages/krv1-design.xml \
            ./usr/lib/krv1/libkrv1_charts.so ./usr/lib/krv1/libkrv1_pdf_text.so \
            ./usr/lib/krv1/libkrv1_printing.so; do
  expect "contents" "$contents" "$file"
done
desktop-file-validate packaging/org.example.krv1.desktop || failed=1
# The MIME type compiles into a database that knows *.krv1 files.
mime=$(mktemp -d)
mkdir -p "$mime/packages"
cp packaging/krv1-design.xml "$mime/packages/"
update-mime-database "$mime" || failed=1
expect "MIME database" "$(cat "$mime/globs2" 2>/dev/null)" "application/x-krv1-design:*.krv1"
expect "MIME database" "$(cat "$mime/globs2" 2>/dev/null)" "application/x-krv1-project:*.krv1proj"
rm -rf "$mime"
expect "desktop entry" "$(cat packaging/org.example.krv1.desktop)" "MimeType=application/x-krv1-design;application/x-krv1-project;"
appstreamcli validate --no-net --pedantic packaging/org.example.krv1.metainfo.xml >/dev/null || {
  appstreamcli validate --no-net packaging/org.example.krv1.metainfo.xml; failed=1; }
(( failed )) && exit 1
echo "package checked: $(basename "$deb")"
