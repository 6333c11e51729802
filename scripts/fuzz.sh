#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs the document reader's for
# SECONDS (default 60) on a copy of the seed corpus.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/setup.sh --deps-only
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEX_FUZZ=ON -DQUORVEX_TESTS=OFF >/dev/null
cmake --build build-fuzz --target document_reader_fuzzer -- --quiet
work=build-fuzz/corpus-document
mkdir -p "$work"
cp -n fuzz/corpus/document/* "$work"/ 2>/dev/null || true
log=build-fuzz/document_reader_fuzzer.log
status=0
build-fuzz/bin/document_reader_fuzzer -max_total_time="$seconds" -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix=build-fuzz/ "$work" >"$log" 2>&1 || status=$?
if [[ $status -ne 0 ]]; then
  tail -60 "$log"
  exit "$status"
fi
grep -E "^(Done|stat::number_of_executed_units)" "$log"
