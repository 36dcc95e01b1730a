#!/bin/sh
# Pictures of the windows with worked examples, and of the printed pages
# (rendered from their PDFs with pdftoppm), for the README:
#   scripts/screenshots.sh [OUTDIR]      (default docs/screenshots)
# Builds the picture tool in build/ when it is missing. MORVEL_BUILD_DIR names another build.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVEL_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
tool=$build/tools/screenshots/morvel_screenshots
if [ ! -x "$tool" ]; then
  cmake -S "$root" -B "$build" >/dev/null
  cmake --build "$build" --target morvel_screenshots -j2
fi
mkdir -p "$out"
# Drawn off screen: the same pictures on any machine, with or without a display.
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$tool" "$out"
for statement in tax-statement salary-statement form-10e form-16 planner-page; do
  pdftoppm -png -r 72 -singlefile "$out/$statement.pdf" "$out/$statement"
  rm -f "$out/$statement.pdf"
done
