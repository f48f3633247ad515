#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time,
# starting from the seeds in fuzz/corpus/. tools/test.sh runs it for a minute a
# target; for a longer hunt: ./tools/fuzz.sh 3600 (seconds per target).
# Inputs the fuzzers find interesting collect in build/fuzz/corpus/; a crash
# is written to build/fuzz/artifacts/ and ends the run with an error.
# TESSOLINA_FUZZ_SEED fixes libFuzzer's seed, so a run can be repeated.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
tessolina_need_packages clang libclang-rt-14-dev
seconds="${1:-60}"
build=build/fuzz
targets=(fuzz_savefile fuzz_helptext fuzz_picture)

echo "== Fuzzing (clang, libFuzzer, ASan and UBSan), ${seconds} s a target"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTESSOLINA_FUZZ=ON \
    -DTESSOLINA_TESTS=OFF -DTESSOLINA_BENCH=OFF -DTESSOLINA_WERROR=ON >/dev/null
cmake --build "$build" --target fuzzers -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
    seeds="fuzz/corpus/${target#fuzz_}"
    work="$build/corpus/${target#fuzz_}"
    artifacts="$build/artifacts/${target#fuzz_}/"
    mkdir -p "$work" "$artifacts"
    echo "-- $target"
    # New inputs go to the first folder only, so the committed seeds stay as they are.
    if ! "$build/fuzz/$target" "$work" "$seeds" -max_total_time="$seconds" -timeout=25 \
        ${TESSOLINA_FUZZ_SEED:+-seed="$TESSOLINA_FUZZ_SEED"} \
        -rss_limit_mb=3072 -artifact_prefix="$artifacts" -print_final_stats=1 \
        >"$build/$target.log" 2>&1; then
        tail -n 60 "$build/$target.log"
        echo "$target failed: the input that broke it is in $artifacts" >&2
        exit 1
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' \
        "$build/$target.log" || true
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
