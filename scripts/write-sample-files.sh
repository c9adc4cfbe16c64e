#!/usr/bin/env bash
# Writes the sample furniture files of data/ again from their builders
# (tests/model/SampleFurniture.h), after a change to the builders or to the
# file writer. Usage: scripts/write-sample-files.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target zv_write_samples -j4
ASAN_OPTIONS=detect_leaks=0 "$build/tools/zv_write_samples" "$root/data"
