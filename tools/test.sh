#!/usr/bin/env bash
# Builds Tessolina with warnings as errors and runs every test, then builds it
# again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them there,
# then fuzzes the readers of saved games, the guide and pictures for a minute each.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
tessolina_need_packages clang libclang-rt-14-dev
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

echo "== Tests (warnings as errors)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTESSOLINA_WERROR=ON >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DTESSOLINA_WERROR=ON \
    -DTESSOLINA_SANITIZE=ON -DTESSOLINA_BENCH=OFF >/dev/null
cmake --build build/asan -j"$jobs"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/asan --output-on-failure -j"$jobs"

# A fixed seed keeps the gate repeatable; ./tools/fuzz.sh alone explores anew.
TESSOLINA_FUZZ_SEED=1 ./tools/fuzz.sh 60
