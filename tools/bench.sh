#!/usr/bin/env bash
# Builds the game in Release and runs its benchmark: picking, cutting, dragging,
# gathering, zooming, saving and resuming on 1, 8 and 24 megapixel photos, a GIF
# and a BMP, each set against decoding the same file alone. Arguments go to the
# benchmark (--quick for fewer runs, --json for JSON, --help for the rest); the
# build's own output goes to standard error, so standard output is the report.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
tessolina_need_packages libturbojpeg0-dev pkg-config
{
    cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DTESSOLINA_TESTS=OFF
    cmake --build build/bench --target tessolina_bench -j"$(nproc)"
} >&2
exec build/bench/bench/tessolina_bench "$@"
