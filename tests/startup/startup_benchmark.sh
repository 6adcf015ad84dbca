#!/usr/bin/env bash
# Start-up cost of the three programs against a bare Qt window (one QLabel
# shown). Each program is started offscreen from its working folder and
# stopped after STOP_AFTER seconds (1.5); the programs and the bare window run
# in turn, RUNS times (7), so that a busy machine slows them all alike. Prints
# the median CPU time (user + system) and peak resident memory of each, and
# their ratios to the bare window's.
#
#   tests/startup/startup_benchmark.sh [build folder, default build/]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
runs="${RUNS:-7}"
stop="${STOP_AFTER:-1.5}"
export QT_QPA_PLATFORM=offscreen

work="$build/startup"
mkdir -p "$work"
bare="$work/barewindow"
if [[ ! -x "$bare" || "$here/barewindow.cpp" -nt "$bare" ]]; then
    echo "startup: building the bare window" >&2
    # shellcheck disable=SC2046
    g++ -std=c++17 -O2 -fPIC "$here/barewindow.cpp" -o "$bare" \
        $(pkg-config --cflags --libs Qt6Widgets)
fi

programs=(bare Veritabula Figurinex Korventa)
declare -A folder=([bare]="$work" [none]="$work")
declare -A command=([bare]="$bare" [none]=true)
for program in "${programs[@]:1}"; do
    folder[$program]="$build/$program"
    command[$program]="$build/$program/$program"
    [[ -x "${command[$program]}" ]] || { echo "startup: no ${command[$program]}" >&2; exit 1; }
done

# GNU time gives CPU time in hundredths of a second only, so bash times each
# run in milliseconds; a run of `true` in the same wrapping ("none") measures
# what GNU time and timeout take themselves, and that is taken off the rest.
# Peak memory is GNU time's.
TIMEFORMAT='%3U %3S'
memory="$work/memory.txt"
timing="$work/timing.txt"
declare -A cpus mems
for ((run = 1; run <= runs; ++run)); do
    for program in none "${programs[@]}"; do
        cd "${folder[$program]}"
        { time /usr/bin/time -o "$memory" -f '%M' \
            timeout -s TERM "$stop" "${command[$program]}" >/dev/null 2>&1 || true; } 2>"$timing"
        read -r user system <"$timing"
        cpus[$program]+="$(awk -v u="$user" -v s="$system" 'BEGIN { print (u + s) * 1000 }') "
        mems[$program]+="$(tail -n 1 "$memory") "
    done
    echo "startup: run $run of $runs done" >&2
done

median() {
    tr ' ' '\n' | grep . | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

wrapping=$(median <<<"${cpus[none]}")
bareCpu=$(median <<<"${cpus[bare]}")
bareMem=$(median <<<"${mems[bare]}")
echo "median of $runs runs, stopped after $stop s; GNU time and timeout took $wrapping ms CPU, not counted"
printf '%-11s %8s %8s %10s %8s\n' program "CPU ms" "x bare" "peak MB" "x bare"
for program in "${programs[@]}"; do
    cpu=$(median <<<"${cpus[$program]}")
    mem=$(median <<<"${mems[$program]}")
    awk -v p="$program" -v c="$cpu" -v w="$wrapping" -v m="$mem" -v bc="$bareCpu" -v bm="$bareMem" \
        'BEGIN { printf "%-11s %8.1f %8.2f %10.1f %8.2f\n", p, c - w, (c - w) / (bc - w), m / 1024, m / bm }'
done
