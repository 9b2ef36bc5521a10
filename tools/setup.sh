#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quillon, builds it, and either runs the program or the tests.
#
#   tools/setup.sh run [-- ARGS]   install what is missing, build, start quillon with ARGS
#   tools/setup.sh test            install what is missing, build with the address and
#                                  undefined-behaviour sanitizers, run every test; then build the
#                                  scenario harness with ThreadSanitizer and run the scenarios
set -euo pipefail

mode=${1:-run}
shift || true
[ "${1:-}" = "--" ] && shift
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(build-essential cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools libqt6uitools6 libqt6opengl6-dev
  libgl-dev libxkbcommon-dev libvulkan-dev
  libpugixml-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  libxcb1-dev xvfb xauth)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {  # dir, cmake args...
  local dir=$1; shift
  cmake -G Ninja -S "$root" -B "$dir" "$@" >/dev/null
  cmake --build "$dir"
}

export CCACHE_DIR=${CCACHE_DIR:-$root/.cache/ccache}
jobs=$(nproc)

install_missing
case "$mode" in
  run)
    configure_and_build "$root/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_BENCH=OFF
    exec "$root/build/release/src/app/entry/quillon" "$@"
    ;;
  test)
    configure_and_build "$root/build/ci" -DCMAKE_BUILD_TYPE=Debug \
      -DQUILLON_SANITIZE=address,undefined -DQUILLON_BUILD_BENCH=ON
    (cd "$root/build/ci" && ctest --output-on-failure -j "$jobs")
    configure_and_build "$root/build/tsan" -DCMAKE_BUILD_TYPE=Debug \
      -DQUILLON_SANITIZE=thread -DQUILLON_BUILD_QT=OFF -DQUILLON_BUILD_BENCH=OFF -DQUILLON_UNIT_TESTS=OFF
    (cd "$root/build/tsan" && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -j "$jobs" -L scenario)
    ;;
  *)
    echo "usage: tools/setup.sh run [-- ARGS] | tools/setup.sh test" >&2
    exit 2
    ;;
esac
