#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers and runs the whole test
# suite; the tests that need a display run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
build=${ZV_BUILD_DIR:-build-test}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZV_SANITIZE=ON -DZV_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
export ASAN_OPTIONS=detect_leaks=0
export QT_QPA_PLATFORM=offscreen
# One X server for the whole run; each test sets its own platform.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" --timeout 300
