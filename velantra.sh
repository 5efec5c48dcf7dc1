#!/usr/bin/env bash
# Sets up, builds and runs Velantra on Debian 12.
#   ./velantra.sh start            install what is missing, build in Release, start the program
#   ./velantra.sh test             install what is missing, build, run every test
#   ./velantra.sh install PREFIX   install what is missing, build in Release, install under PREFIX
#   ./velantra.sh pacchetto        install what is missing, build in Release without the tests, make
#                                  the Debian package build-pacchetto/velantra_VERSION_ARCH.deb
# Every command is safe to repeat: packages already present are not touched and the build is
# incremental. BUILD_DIR chooses another build folder; CMAKE_ARGS passes more options to CMake.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  fonts-dejavu-core
  xvfb xauth poppler-utils libxml2-utils
  desktop-file-utils appstream x11-utils
)
BUILD_DIR=${BUILD_DIR:-build}
# The benchmarks are off unless asked for; then they need Google Benchmark.
case " ${CMAKE_ARGS:-} " in *VELANTRA_BENCH=ON*) PACKAGES+=(libbenchmark-dev) ;; esac

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

configure() {
  # shellcheck disable=SC2086
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release ${CMAKE_ARGS:-} >/dev/null
}

jobs() { nproc 2>/dev/null || echo 2; }

case "${1:-}" in
  start)
    install_missing_packages
    configure
    cmake --build "$BUILD_DIR" --target velantra -j "$(jobs)"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      echo "No display found: start Velantra under a virtual screen with: xvfb-run -a $BUILD_DIR/velantra" >&2
      exit 1
    fi
    exec "$BUILD_DIR/velantra"
    ;;
  test)
    install_missing_packages
    configure
    cmake --build "$BUILD_DIR" -j "$(jobs)"
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(jobs)"
    ;;
  install)
    [ -n "${2:-}" ] || { echo "usage: $0 install PREFIX" >&2; exit 2; }
    install_missing_packages
    configure
    cmake --build "$BUILD_DIR" --target velantra velantra_icone -j "$(jobs)"
    cmake --install "$BUILD_DIR" --prefix "$2"
    ;;
  pacchetto)
    # A build folder of its own, without tests or benchmarks, installing under /usr.
    PACKAGES+=(dpkg-dev file)
    install_missing_packages
    BUILD_DIR=build-pacchetto
    CMAKE_ARGS="${CMAKE_ARGS:-} -DBUILD_TESTING=OFF -DVELANTRA_BENCH=OFF"
    configure
    cmake --build "$BUILD_DIR" -j "$(jobs)"
    rm -f "$BUILD_DIR"/velantra_*.deb
    (cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
    ls "$BUILD_DIR"/velantra_*.deb
    ;;
  *)
    echo "usage: $0 start | test | install PREFIX | pacchetto" >&2
    exit 2
    ;;
esac
