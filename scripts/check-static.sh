#!/usr/bin/env bash
# Static checks of the tracked sources, failing on any finding:
# - clang-tidy (.clang-tidy) and cppcheck over the program's own folders,
#   with the compile commands of a build (generated files are never tracked,
#   so moc output and the embedded images stay out);
# - clang-format (.clang-format) over every tracked C++ file.
# Usage: check-static.sh [BUILD_DIR]   (default build/test, configured if new)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
root=$PWD
build=${1:-build/test}
program_folders=(app map export about platform)
failed=()

if [ ! -f "$build/compile_commands.json" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null || exit 1
fi

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "The static checks need a git checkout: they check the tracked sources." >&2
  exit 1
fi
mapfile -t program_sources < <(git ls-files -- "${program_folders[@]/%//*.cpp}")
mapfile -t all_sources < <(git ls-files -- '*.cpp' '*.h')

# clang does not know GCC's vectoriser options, which a few files are built with.
commands=$(mktemp -d)
trap 'rm -rf "$commands"' EXIT
sed -E 's/ -fvect-cost-model=[a-z]+//g' "$build/compile_commands.json" \
  >"$commands/compile_commands.json"

echo "clang-tidy: ${#program_sources[@]} files"
header_filter="^$root/($(IFS='|'; echo "${program_folders[*]}"))/"
if ! printf '%s\n' "${program_sources[@]}" |
    xargs -P 2 -n 4 clang-tidy -p "$commands" --quiet --header-filter="$header_filter" \
      2> >(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' >&2); then
  failed+=(clang-tidy)
fi

# Each suppression is a finding that cppcheck makes without seeing Qt's
# headers, which it is not given:
# - frame.cpp: a window's Created handler may destroy the window, so the
#   instance is tested again after the call that used it;
# - qt_live_window.h: QPointer is unknown to it, so returning one as a raw
#   pointer looks like returning an integer.
echo "cppcheck: ${program_folders[*]}"
cppcheck_filters=()
for folder in "${program_folders[@]}"; do cppcheck_filters+=("--file-filter=$root/$folder/*"); done
cppcheck_suppressions=(
  "nullPointerRedundantCheck:$root/app/frame.cpp"
  "CastIntegerToAddressAtReturn:$root/platform/qt/qt_live_window.h"
)
if ! cppcheck --project="$commands/compile_commands.json" \
    "${cppcheck_filters[@]}" \
    --enable=warning,performance,portability --std=c++20 --library=qt --inline-suppr \
    --suppress=missingIncludeSystem "${cppcheck_suppressions[@]/#/--suppress=}" \
    --template='{file}:{line}: {severity}: {message} [{id}]' \
    --error-exitcode=1 --quiet -j 2; then
  failed+=(cppcheck)
fi

echo "clang-format: ${#all_sources[@]} files"
unformatted=()
for file in "${all_sources[@]}"; do
  places=$(clang-format --dry-run --Werror "$file" 2>&1 | grep -c 'error:')
  if [ "$places" -gt 0 ]; then
    echo "$file: $places places differ from .clang-format"
    unformatted+=("$file")
  fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "To format them: clang-format -i ${unformatted[*]}"
  failed+=(clang-format)
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "Static checks failed: ${failed[*]}" >&2
  exit 1
fi
echo "Static checks passed"
