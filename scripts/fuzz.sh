#!/usr/bin/env bash
# Builds one fuzz target with clang in build/fuzz and runs it for as many
# seconds as asked, starting from its seed corpus in fuzz/corpus/TARGET.
# Usage: fuzz.sh TARGET SECONDS   (TARGET: profile_fuzz, png_fuzz, bmp_fuzz)
# New inputs go to build/fuzz/corpus/TARGET, a crashing input and its report
# to build/fuzz/artifacts/; the exit status is non-zero after a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 2 ] || [ ! -d "fuzz/corpus/$1" ]; then
  echo "usage: $0 TARGET SECONDS, TARGET one of: profile_fuzz png_fuzz bmp_fuzz" >&2
  exit 2
fi
target=$1
seconds=$2
build=build/fuzz

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVANE_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
fi
ninja -C "$build" "$target" >/dev/null

# The first folder takes what the fuzzer finds; the seeds stay as committed.
mkdir -p "$build/corpus/$target" "$build/artifacts"
options=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix="$build/artifacts/$target-")
[ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
echo "Fuzzing $target for $seconds s"
"$build/fuzz/$target" "${options[@]}" "$build/corpus/$target" "fuzz/corpus/$target" 2>&1 |
  grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)'
