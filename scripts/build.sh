#!/usr/bin/env bash
# Builds everything into build/ (or, with "asan", into build-asan/ with
# AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

kind="${1:-normal}"
case "$kind" in
    normal) dir="$root/build"; extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan) dir="$root/build-asan"; extra=(-DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON) ;;
    fuzz) dir="$root/build-fuzz"
          extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON -DSANITIZE=ON
                 -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
    *) echo "build: unknown kind '$kind' (normal, asan or fuzz)" >&2; exit 2 ;;
esac

echo "build: configuring $dir"
# CMake's progress lines are kept out of the way; on a failure they are shown
# with its errors.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! cmake -S "$root" -B "$dir" -G Ninja "${extra[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    echo "build: configuring $dir failed" >&2
    exit 1
fi
echo "build: compiling in $dir"
cmake --build "$dir" --parallel "$(nproc)"
