#!/usr/bin/env bash
# Measures Tolvane's start-up against a bare Qt window on a virtual desktop:
# time from exec to first paint and resident memory. Usage: bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/benchmarks -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/benchmarks --target startup_bench
scripts/with-desktop.sh build/benchmarks/bench/startup/startup_bench "${1:-15}"
