#!/usr/bin/env bash
# Installs what is missing, builds Tolvane with its tests and runs every test.
# Tests that need a real X server and window manager start their own.
# Then the same tests again built with AddressSanitizer and UBSan, a short run
# of each fuzz target, and the static checks. Every check runs even when an
# earlier one fails; the command fails if any did, and says which.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

readonly kFuzzSeconds=10
failed=()
check() {
  local name=$1
  shift
  "$@" || failed+=("$name")
}

echo "== Tests"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test
check tests ctest --test-dir build/test --output-on-failure -j2

echo "== Tests under AddressSanitizer and UBSan"
# The build runs some of its programs (the artwork generator, test discovery),
# so the sanitizers' settings are needed from here on.
. tests/sanitizers/options.sh
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON >/dev/null
cmake --build build/asan
check sanitizer-tests ctest --test-dir build/asan --output-on-failure -j2
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== Fuzzing, $kFuzzSeconds s a target"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOLVANE_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
ninja -C build/fuzz profile_fuzz png_fuzz bmp_fuzz
for target in profile_fuzz png_fuzz bmp_fuzz; do
  check "$target" scripts/fuzz.sh "$target" "$kFuzzSeconds"
done

echo "== Static checks"
check static-checks scripts/check-static.sh build/test

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}" >&2
  exit 1
fi
echo "All checks passed"
