#!/usr/bin/env bash
# Configures and builds everything into build/ (two jobs: a two-core machine).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" > /dev/null
cmake --build build -j "${JOBS:-2}"
