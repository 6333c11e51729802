#!/usr/bin/env bash
# Installs the Debian packages Quorvex needs (only those missing), then
# configures and builds the project.
#   scripts/setup.sh              release build in build/
#   scripts/setup.sh --asan       AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
#   scripts/setup.sh --tsan       ThreadSanitizer build in build-tsan/ of the core and of the
#                                 tests of the modules that run worker threads (publish, generator,
#                                 orderd)
#   scripts/setup.sh --deps-only  only the packages
#   --werror (with any build)     warnings are errors, as in CI
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: scripts/setup.sh [--asan | --tsan | --deps-only] [--werror]" >&2
  exit 2
}

build=release
werror=OFF
for arg in "$@"; do
  case "$arg" in
    --asan | --tsan | --deps-only)
      [[ $build == release ]] || usage
      build="${arg#--}"
      ;;
    --werror) werror=ON ;;
    *) usage ;;
  esac
done

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  zlib1g-dev libjpeg62-turbo-dev libpng-dev libgif-dev libcurl4-openssl-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2
  python3-pyftpdlib python3-openssl chromium ccache
  qt6-base-dev
  libcpp-httplib-dev python3-aiosmtpd nodejs
)
# npm comes with some builds of nodejs and as its own package with Debian's.
command -v npm >/dev/null || packages+=(npm)

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

# The browser tests' npm packages, as tests/browser/package-lock.json pins them.
# They are installed again whenever the lock file changed since the last install.
browser=tests/browser
if ! cmp -s "$browser/package-lock.json" "$browser/node_modules/.installed-lock.json"; then
  npm ci --prefix "$browser" --no-audit --no-fund --silent
  cp "$browser/package-lock.json" "$browser/node_modules/.installed-lock.json"
fi

[[ $build == deps-only ]] && exit 0

case "$build" in
  release)
    build_dir=build
    cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    ;;
  asan)
    build_dir=build-asan
    cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DQUORVEX_SANITIZE=ON)
    ;;
  tsan)
    build_dir=build-tsan
    cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_TSAN=ON -DQUORVEX_BENCH=OFF
      "-DQUORVEX_TEST_MODULES=publish;generator;orderd")
    ;;
esac
# ccache makes rebuilds in other worktrees and build folders cheap.
cmake_args+=(-G Ninja -DQUORVEX_WERROR="$werror"
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -- -j"$(nproc)" --quiet
