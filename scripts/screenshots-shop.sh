#!/usr/bin/env bash
# Saves PNG pictures of the sample shop as a visitor sees it in Chromium into
# OUTDIR: home, catalogue, cart, checkout and thank-you page, and checkout
# when an order's reply was lost (unanswered), each at desktop (1280 px) and
# phone (390 px) width. They are taken by the browser scenario
# (tests/browser/shop_scenario.mjs) on its way through the shop, with a local
# order server taking the orders.
#   scripts/screenshots-shop.sh OUTDIR [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:?usage: scripts/screenshots-shop.sh OUTDIR [BUILD_DIR]}"
build="${2:-build}"
[[ -d "$build" && -d tests/browser/node_modules ]] || scripts/setup.sh >/dev/null
cmake --build "$build" --target orderd_tests quorvex-cli quorvex-orderd -- -j2 --quiet
mkdir -p "$out"
QUORVEX_REQUIRE_BROWSER=1 QUORVEX_SHOP_SCREENSHOTS="$(cd "$out" && pwd)" \
  "$build/bin/orderd_tests" --gtest_filter='ShopInBrowser.*' >/dev/null
ls "$out"/*.png
