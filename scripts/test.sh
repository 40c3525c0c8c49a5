#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build
# The end-to-end runs drive real desktops on a machine that may be busy with
# other work; a test that fails is run once more, and a fault that is really
# there fails both times.
ctest --output-on-failure -j "${JOBS:-2}" --timeout 600 --repeat until-pass:2
