#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite, then the
# same layers again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
# The end-to-end runs drive real desktops on a machine that may be busy with
# other work; a test that fails is run once more, and a fault that is really
# there fails both times.
(cd build && ctest --output-on-failure -j "${JOBS:-2}" --timeout 600 --repeat until-pass:2)
scripts/sanitize.sh
