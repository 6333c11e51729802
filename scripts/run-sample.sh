#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then makes the sample company in a fresh
# home and prints its summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
home="$(mktemp -d)/quorvex"
cli=build/bin/quorvex-cli
"$cli" --home "$home" load data/Sample/acme.json "$home/Acme Outdoor Supply.qvx"
"$cli" --home "$home" summary "$home/Acme Outdoor Supply.qvx"
echo "Sample document: $home/Acme Outdoor Supply.qvx"
