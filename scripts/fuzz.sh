#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/*_fuzzer.cc) with clang and runs each for
# SECONDS (default 60) on a copy of its seed corpus fuzz/corpus/<name>/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
scripts/setup.sh --deps-only
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEX_FUZZ=ON -DQUORVEX_TESTS=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in fuzz/*_fuzzer.cc; do targets+=("$(basename "$source" .cc)"); done
fi
cmake --build build-fuzz --target "${targets[@]}" -- -j"$(nproc)" --quiet
for target in "${targets[@]}"; do
  work="build-fuzz/corpus-${target%_fuzzer}"
  mkdir -p "$work"
  cp -n "fuzz/corpus/${target%_fuzzer}"/* "$work"/ 2>/dev/null || true
  log="build-fuzz/$target.log"
  status=0
  "build-fuzz/bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/$target-" "$work" >"$log" 2>&1 || status=$?
  if [[ $status -ne 0 ]]; then
    tail -60 "$log"
    exit "$status"
  fi
  echo "$target: $(grep -E '^stat::number_of_executed_units' "$log")"
done
