#!/usr/bin/env bash
# Korvalo set-up: installs what is missing (Debian 12), builds, then starts the
# program (`./korvalo.sh start`) or runs the whole test suite (`./korvalo.sh test`).
set -euo pipefail
cd "$(dirname "$0")"

PAQUETS=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev
  libdds-dev
  xvfb xauth fonts-liberation fonts-dejavu-core
  clang libclang-rt-14-dev
  poppler-utils
)

installe_manquants() {
  local manquants=()
  for p in "${PAQUETS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
  done
  [ ${#manquants[@]} -eq 0 ] && return 0
  echo "Installing: ${manquants[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
}

construit() {
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVALO_WERROR="$werror"
  cmake --build build -j "$(nproc)"
}

# The non-Qt libraries and their tests again, under AddressSanitizer and
# UndefinedBehaviorSanitizer (preset "asan", build-asan).
# Warnings are the main build's job: GCC 12 gives false ones on instrumented
# code (maybe-uninitialized in <regex>, mismatched-new-delete), so no -Werror here.
teste_sanitiseurs() {
  echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan)"
  cmake --preset asan -DKORVALO_WERROR=OFF
  cmake --build build-asan -j "$(nproc)"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
}

# The fuzz targets of the file readers, built with clang (preset "fuzz",
# build-fuzz), each run a few seconds from its seed corpus.
teste_fuzz() {
  if ! command -v clang++ >/dev/null; then
    echo "== clang++ not found: fuzz targets skipped"
    return 0
  fi
  echo "== Fuzz targets, a short run each (build-fuzz)"
  [ -f build-fuzz/CMakeCache.txt ] || cmake --preset fuzz
  KORVALO_FUZZ_BUILD=build-fuzz fuzz/run.sh all 5
}

case "${1:-}" in
  start)
    installe_manquants
    construit
    if [ -x build/app/korvalo ]; then
      exec build/app/korvalo
    fi
    echo "The window is not built yet; the command-line front end is build/cli/korvalo-cli."
    exec build/cli/korvalo-cli --help
    ;;
  test)
    installe_manquants
    construit
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    teste_fuzz
    teste_sanitiseurs
    ;;
  *)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
