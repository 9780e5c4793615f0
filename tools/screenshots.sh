#!/usr/bin/env bash
# Renders every window of the game to PNG files, offscreen, with Cyrillic in DejaVu Sans.
#   bash tools/screenshots.sh [outdir]     (default: screenshots/)
#   BUILD_DIR=... picks the build folder (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" --target brankor_screenshots
QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu \
    "$build/tools/brankor_screenshots" "$out"
