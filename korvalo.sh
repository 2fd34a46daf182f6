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
    ;;
  *)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
