#!/usr/bin/env bash
# Installs what is missing, builds and starts Zarvelo in the sample start-up folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZV_TESTS=OFF -DZV_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target Zarvelo DemoZarvelo 2>/dev/null || cmake --build build -j"$(nproc)" --target Zarvelo
cd data
exec ../build/Zarvelo "$@"
