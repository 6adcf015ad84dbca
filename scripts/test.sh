#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the
# normal build and in the AddressSanitizer + UndefinedBehaviorSanitizer build.
# Last, it fuzzes the expression engine for about a minute.
#   scripts/test.sh          the whole run (CI runs this)
#   scripts/test.sh quick    the normal build and its tests alone
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export QT_QPA_PLATFORM=offscreen

mode="${1:-full}"
case "$mode" in
    full|quick) ;;
    *) echo "test: unknown mode '$mode' (quick, or nothing for the whole run)" >&2; exit 2 ;;
esac

"$root/scripts/setup.sh"

echo "test: normal build"
"$root/scripts/build.sh" normal
ctest --test-dir "$root/build" --output-on-failure --timeout 600 -j "$(nproc)"
if [ "$mode" = quick ]; then
    echo "test: quick run passed"
    exit 0
fi

echo "test: sanitizer build"
"$root/scripts/build.sh" asan
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
ctest --test-dir "$root/build-asan" --output-on-failure --timeout 900 -j "$(nproc)"

echo "test: fuzzing the expression engine for ${FUZZ_SECONDS:-60} seconds"
"$root/scripts/build.sh" fuzz
mkdir -p "$root/build-fuzz/corpus"
"$root/build-fuzz/tests/fuzz/engine_fuzz" -max_total_time="${FUZZ_SECONDS:-60}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$root/build-fuzz/corpus" "$root/tests/fuzz/seeds"
echo "test: all passed"
