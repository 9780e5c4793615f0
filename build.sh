#!/usr/bin/env bash
# Sets up, builds and runs Бранкор on Debian 12.
#   ./build.sh run    install what is missing, build, start the game
#   ./build.sh test   install what is missing, build, run every test
#   ./build.sh bench  install what is missing, build, run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

# What the game needs to be built and played; the tests, benchmarks and CI checks need the rest.
runtime=(cmake ninja-build g++ pkg-config
         qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
         fonts-dejavu-core)
development=(make ccache libgtest-dev libgmock-dev libbenchmark-dev
             xvfb xauth xdotool dbus at-spi2-core clang libclang-rt-14-dev clang-format git
             desktop-file-utils appstream dpkg-dev file)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B "${BUILD_DIR:-build}" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
        -DBRANKOR_WERROR=ON "$@"
    cmake --build "${BUILD_DIR:-build}"
}

case "${1:-}" in
    run)
        install_missing "${runtime[@]}"
        build -DBUILD_TESTING=OFF -DBRANKOR_CHECKED=OFF
        exec "${BUILD_DIR:-build}/src/app/brankor"
        ;;
    test)
        install_missing "${runtime[@]}" "${development[@]}"
        build -DBUILD_TESTING=ON -DBRANKOR_CHECKED=ON
        export QT_QPA_PLATFORM=offscreen
        ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2
        ;;
    bench)
        install_missing "${runtime[@]}" "${development[@]}"
        build -DBUILD_TESTING=ON -DBRANKOR_CHECKED=OFF -DBRANKOR_BENCH=ON
        exec bash bench/run.sh "${BUILD_DIR:-build}"
        ;;
    *)
        echo "usage: $0 run|test|bench" >&2
        exit 2
        ;;
esac
