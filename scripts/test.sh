#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite, then the
# same layers again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
(cd build && ctest --output-on-failure -j "${JOBS:-2}" --timeout 600)
scripts/sanitize.sh
