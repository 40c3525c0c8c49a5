#!/usr/bin/env bash
# Builds the rules, game, rendering and dialog tests and the simulator with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/, and runs
# them with a short self-play soak. scripts/test.sh runs it after the normal
# suite. Kept lean for a two-core machine: no benchmarks, -O1 (the sanitizers'
# usual level; -O0 makes the soak crawl), line tables only for the reports.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-O1 -g1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Sanitize -DTOLVA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_SANITIZE="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS_SANITIZE="-fsanitize=address,undefined" > /dev/null
targets=(rules_tests game_tests render_tests dialog_tests tolva-sim)
cmake --build build-asan -j "${JOBS:-2}" --target "${targets[@]}"

# Qt keeps some allocations for the life of the process; leaks are not looked for.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen
cd build-asan
for test in tests/rules_tests tests/game_tests tests/render/render_tests tests/dialogs/dialog_tests; do
  echo "== $test"
  "./$test" --gtest_brief=1
done
echo "== self-play soak"
./tools/simulator/tolva-sim --games 2000 --quiet --seed 1
