#!/usr/bin/env bash
# Installs what is missing, builds and starts Zarvelo in the sample start-up folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZV_TESTS=OFF -DZV_BENCH=OFF >/dev/null
# The designer, the player and the outside programs that ship beside it.
cmake --build build -j"$(nproc)"
cd data
exec ../build/Zarvelo "$@"
