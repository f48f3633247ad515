#!/usr/bin/env bash
# Builds Tessolina and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
tessolina_need_packages
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTESSOLINA_TESTS=OFF >/dev/null
cmake --build build/release --target tessolina -j"$(nproc)"
exec build/release/tessolina "$@"
