#!/usr/bin/env bash
# Saves PNG pictures of the desktop program's windows into OUTDIR: the main
# window on each navigator page, every menu opened, and each dialog of the
# program's own, named after its title. Uses a virtual X display when xvfb-run
# is installed, Qt's offscreen platform otherwise.
#   scripts/screenshots-app.sh OUTDIR [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:?usage: scripts/screenshots-app.sh OUTDIR [BUILD_DIR]}"
build="${2:-build}"
[[ -d "$build" ]] || scripts/setup.sh >/dev/null
cmake --build "$build" --target ui_screenshots -- -j2 --quiet
mkdir -p "$out"
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" "$build/bin/ui_screenshots" "$out"
else
  QT_QPA_PLATFORM=offscreen "$build/bin/ui_screenshots" "$out"
fi
ls "$out"/*.png
