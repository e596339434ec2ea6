#!/usr/bin/env bash
# Installs what is missing, builds Tolvane with its tests and runs every test.
# Tests that need a real X server and window manager start their own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2
