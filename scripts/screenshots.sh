#!/usr/bin/env bash
# Pictures of the catalogue windows and dialogs with the sample data, for
# looking at. Usage: scripts/screenshots.sh <output folder> [build folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: scripts/screenshots.sh <output folder> [build folder]}"
build="${2:-$root/build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target zv_screenshots -j4
mkdir -p "$out"
run=(env QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$build/tools/zv_screenshots" "$(cd "$out" && pwd)")
if [ -n "${DISPLAY:-}" ]; then "${run[@]}"; else xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}"; fi
