#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, makes the sample company, builds its site
# in a fresh home, prints where the site's index.html is and starts the
# desktop program on the sample (or prints how to start it when there is no
# display).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cli=build/bin/quorvex-cli
scripts/make-sample.sh "$cli"
home="$(mktemp -d)/quorvex"
company="Acme Outdoor Supply"
# The first command seeds the home from data/, the sample included.
"$cli" --home "$home" summary data/Sample/acme.qvx >/dev/null
cp "$home/Sample/acme.qvx" "$home/$company.qvx"
cp -r "$home/Sample/$company" "$home/"
index="$("$cli" --home "$home" build "$home/$company.qvx")"
echo "Sample document: $home/$company.qvx"
echo "Sample site:     $index"
echo "(The shop's frames share their catalogue over HTTP: see it with"
echo " $cli --home \"$home\" serve \"$home/$company.qvx\")"
app=build/bin/quorvex
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$app" --home "$home" "$home/$company.qvx"
fi
echo "No display here: start the desktop program from a desktop session with"
echo "  $app --home \"$home\" \"$home/$company.qvx\""
echo "or under a virtual display: xvfb-run $app ..."
