#!/usr/bin/env bash
# Installs what is missing, builds Tolvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target tolvane
exec build/release/tolvane
