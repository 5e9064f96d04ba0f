#!/usr/bin/env bash
# The three reports as a person sees them: exported to PDF with a few assets and an owner,
# then every page turned into a PNG.
#
#   bash scripts/report_pages.sh [build-dir]
#
# Builds the tool report_pages (in build-report-pages/ unless a build folder is given) and
# writes report-pages/: asset-report.pdf, cover-sheet.pdf, cover-sheet-first-run.pdf,
# fill-out-form.pdf, a PNG of each page (NAME-N.png) and a picture of the report window.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$(pwd)"

source scripts/packages.sh
PACKAGES+=(poppler-utils)
install_packages

BUILD="${1:-$ROOT/build-report-pages}"
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTLM_BUILD_TESTS=OFF -DTLM_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$BUILD" -j3 --target report_pages

OUT="$ROOT/report-pages"
rm -rf "$OUT"
mkdir -p "$OUT"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
QT_QPA_PLATFORM=offscreen "$BUILD/bench/report_pages" "$OUT"
for pdf in "$OUT"/*.pdf; do
  pdftoppm -r 110 -png "$pdf" "${pdf%.pdf}"
  echo "$(basename "$pdf"): $(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}') page(s)"
done
ls "$OUT"/*.png
