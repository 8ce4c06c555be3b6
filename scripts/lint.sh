#!/bin/sh
# The quality gates: clang-format (no differences), clang-tidy (the checks in
# .clang-tidy, no warnings) and cppcheck (no findings) over the project's own
# sources. Needs a configured build tree for clang-tidy's compile commands.
#
#   scripts/lint.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
sources=$(git ls-files '*.cpp' '*.h')
cpp_sources=$(git ls-files '*.cpp')

echo "clang-format: checking $(echo "$sources" | wc -w) files"
clang-format --dry-run --Werror $sources

echo "cppcheck"
cppcheck --enable=warning,performance,portability --std=c++20 --language=c++ \
    --inline-suppr --error-exitcode=1 --quiet \
    --library=qt --library=googletest --suppress=missingIncludeSystem --suppress=unknownMacro \
    -I. \
    $cpp_sources

echo "clang-tidy"
[ -f "$build/compile_commands.json" ] || { echo "configure $build first (make build)" >&2; exit 1; }
# Debian names the runner after its clang version; take whichever is there.
tidy=$(command -v run-clang-tidy || ls /usr/bin/run-clang-tidy-* 2>/dev/null | sort -V | tail -1)
[ -n "$tidy" ] || { echo "run-clang-tidy not found (package clang-tidy)" >&2; exit 1; }
"$tidy" -quiet -p "$build" -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option $cpp_sources > "$build/clang-tidy.log" 2>&1 || {
    grep -E "warning:|error:" "$build/clang-tidy.log" | sort -u >&2
    exit 1
}
echo "lint: clean"
