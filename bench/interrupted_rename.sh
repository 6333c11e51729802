#!/usr/bin/env bash
# Kills `quorvex-cli rename` at a random moment, ROUNDS times, on a fresh copy
# of the sample company, then runs the same rename again (as a user would
# after a crash) and checks that the renamed company opens, builds, and that
# no document, journal or temporary file is left behind. Prints how many
# rounds were cut short and how many ended in a sound company.
#   bench/interrupted_rename.sh [ROUNDS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-30}"
cli="${2:-build}/bin/quorvex-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
killed=0 sound=0
for ((round = 1; round <= rounds; ++round)); do
  home="$work/home"
  rm -rf "$home"
  "$cli" --home "$home" sites >/dev/null   # seeds the home, sample included
  cp -r "$home/Sample/." "$home/"
  doc="$home/acme.qvx"
  company="$("$cli" --home "$home" summary "$doc" | sed -n 's/^Company: *//p')"
  "$cli" --home "$home" --yes rename "$doc" "Renamed Co" >/dev/null 2>&1 &
  pid=$!
  sleep "0.$(printf '%03d' $((RANDOM % 60)))"
  if kill -9 "$pid" 2>/dev/null; then killed=$((killed + 1)); fi
  wait "$pid" 2>/dev/null || true
  # The user runs the rename again on whichever document is still there.
  if [[ -f "$doc" ]]; then
    "$cli" --home "$home" --yes rename "$doc" "Renamed Co" >/dev/null 2>&1 || true
  fi
  new="$home/Renamed Co.qvx"
  if "$cli" --home "$home" summary "$new" 2>/dev/null | grep -q "^Company: *Renamed Co$" &&
    "$cli" --home "$home" --yes build "$new" >/dev/null 2>&1 &&
    [[ ! -e "$doc" && ! -e "$home/.Renamed Co.rename" && ! -d "$home/$company" ]] &&
    [[ -z "$(find "$home" -maxdepth 1 -name '.*.qvx.*')" ]]; then
    sound=$((sound + 1))
  else
    echo "round $round: not sound" >&2
    ls -a "$home" >&2
  fi
done
echo "rounds: $rounds  killed mid-run: $killed  sound afterwards: $sound"
