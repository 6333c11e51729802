#!/usr/bin/env bash
# Installs the Debian packages Quorvex needs (only those missing), then
# configures and builds the project.
#   scripts/setup.sh            release build in build/
#   scripts/setup.sh --asan     AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
#   scripts/setup.sh --deps-only  only the packages
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  zlib1g-dev libjpeg62-turbo-dev libpng-dev libgif-dev libcurl4-openssl-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2
  python3-pyftpdlib python3-openssl chromium ccache
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [[ $(id -u) -ne 0 ]] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[[ "${1:-}" == "--deps-only" ]] && exit 0

build_dir=build
cmake_args=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--asan" ]]; then
  build_dir=build-asan
  cmake_args=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEX_SANITIZE=ON)
fi
# ccache makes rebuilds in other worktrees and build folders cheap.
cmake_args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -- -j"$(nproc)" --quiet
