#!/usr/bin/env bash
# Builds what the benchmarks need in build/bench, and a commit to compare with in
# build/bench-compare, and prints their figures:
#   1. the engine: one conversion line through parse, convert and format (Google Benchmark);
#   2. vemlik-cli of this tree and of the commit, side by side on the same 1 000 000 generated
#      lines, and whether their output is the same; GNU units on 200 000 of the conversions;
#      one one-shot conversion of each;
#   3. the value formatter's texts for single-precision values, this tree's against the commit's:
#      every 61st bit pattern (70 million values), or every one with VEMLIK_FORMAT_STEP=1;
#   4. the window program's time to mapped under Xvfb beside bare Qt windows of the same size;
#   5. reading a 1 GB Prevody.kfc at start.
# Usage: bench/run_benchmarks.sh [COMMIT]
#   COMMIT  what to compare with; by default where this branch left main (git merge-base HEAD main)
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse --short "${1:-$(git merge-base HEAD main)}")
build=build/bench
compare=build/bench-compare
lines=1000000
units_conversions=200000
format_step=${VEMLIK_FORMAT_STEP:-61}
work=$(mktemp -d)
xvfb=""
cleanup() {
    [[ -z "$xvfb" ]] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

scripts/setup
# The same optimisation as the default preset, so the figures are those of the usual build.
configure() {
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g" -DVEMLIK_BUILD_TESTS=OFF "${@:3}" >/dev/null
}
configure . "$build"
targets=(vemlik-cli engine_benchmarks single_format_digest)
# The window program and its measurement need Qt and an X display's client library.
known_targets=$(ninja -C "$build" -t targets all)
for target in vemlik time_to_mapped bare_window; do
    if grep -q "^$target:" <<<"$known_targets"; then
        targets+=("$target")
    fi
done
cmake --build "$build" --target "${targets[@]}" >/dev/null

# The commit's own sources, built once; its formatter with this tree's digest program.
if [[ "$(cat "$compare/commit" 2>/dev/null)" != "$commit" ]]; then
    rm -rf "$compare"
    mkdir -p "$compare/src"
    git archive "$commit" | tar -x -C "$compare/src"
    configure "$compare/src" "$compare/build" -DVEMLIK_BUILD_UI=OFF -DVEMLIK_BUILD_BENCHMARKS=OFF
    cmake --build "$compare/build" --target vemlik-cli >/dev/null
    echo "$commit" >"$compare/commit"
fi
c++ -std=c++20 -O2 -I"$compare/src/engine" -I"$compare/src/engine/include" \
    bench/single_format_digest.cpp "$compare/build/engine/libvemlik_engine.a" \
    -o "$compare/single_format_digest"
this_cli="$build/cli/vemlik-cli"
commit_cli="$compare/build/cli/vemlik-cli"

# The figures never depend on the units kept by whoever runs them.
export HOME="$work" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Microseconds that the command takes, without a process of its own for the clock.
elapsed_us() {
    local start=${EPOCHREALTIME/./}
    "$@" >/dev/null 2>&1 || true
    echo $((${EPOCHREALTIME/./} - start))
}

echo "== Engine: one conversion line (parse, convert, format)"
"$build/bench/engine_benchmarks" --benchmark_min_time=0.5 2>/dev/null |
    grep -E '^(Benchmark|convertLine|startEngine|-)'

# Vemlik lines, and the have and want lines that GNU units reads for the same conversions
# (GNU units takes h for Planck's constant, so hours are hr there).
awk -v count="$lines" -v vemlik="$work/vemlik.txt" -v units="$work/units.txt" \
    -v units_count="$units_conversions" 'BEGIN {
    for (i = 0; i < count; ++i) {
        v = (i % 997) + 0.25; c = v; sub(/\./, ",", c)
        kind = i % 8
        if (kind == 0) { print v " km/h" > vemlik;          u = v " km/hr\nm/s" }
        if (kind == 1) { print "cm/min " v " ft/hr" > vemlik; u = v " ft/hr\ncm/min" }
        if (kind == 2) { print c " kcal/m2/h/C" > vemlik;   u = v " kcal/m^2/hr/K\nkg/K/s^3" }
        if (kind == 3) { print "C " v " F" > vemlik;        u = "tempF(" v ")\ntempC" }
        if (kind == 4) { print "kPa " v " psia" > vemlik;   u = v " psi\nkPa" }
        if (kind == 5) { print "J " c " kWh" > vemlik;      u = v " kWh\nJ" }
        if (kind == 6) { print v " lb" > vemlik;            u = v " lb\nkg" }
        if (kind == 7) { print "km " v " mile" > vemlik;    u = v " mile\nkm" }
        if (i < units_count) print u > units
    }
}'

echo
echo "== vemlik-cli on $lines generated lines: this tree and commit $commit (7 runs, interleaved)"
for _ in 1 2 3 4 5 6 7; do
    echo "this $(elapsed_us "$this_cli" --separator , "$work/vemlik.txt")"
    echo "commit $(elapsed_us "$commit_cli" --separator , "$work/vemlik.txt")"
done >"$work/cli_times"
per_second() { awk -v n="$1" -v us="$2" 'BEGIN { printf "%.0f", n / (us / 1e6) }'; }
# Other work on the machine only ever adds time, so the best run is the truest; the median shows
# how much it added.
times_of() { awk -v build="$1" '$1 == build { print $2 }' "$work/cli_times"; }
this_us=$(times_of this | sort -n | head -1)
commit_us=$(times_of commit | sort -n | head -1)
printf '%-14s %12s lines/s  (best %d ms, median %d ms)\n' \
    "this tree" "$(per_second $lines "$this_us")" $((this_us / 1000)) \
    $(($(times_of this | median) / 1000)) \
    "commit $commit" "$(per_second $lines "$commit_us")" $((commit_us / 1000)) \
    $(($(times_of commit | median) / 1000))
awk -v a="$commit_us" -v b="$this_us" -v am="$(times_of commit | median)" \
    -v bm="$(times_of this | median)" \
    'BEGIN { printf "%-14s %12.2f x  (of the medians %.2f x)\n", "ratio", a / b, am / bm }'
for cli in this commit; do
    program=$this_cli
    [[ $cli == this ]] || program=$commit_cli
    status=0
    "$program" --separator , "$work/vemlik.txt" >"$work/$cli.out" 2>"$work/$cli.err" || status=$?
    echo "$status" >>"$work/$cli.out"
done
if cmp -s "$work/this.out" "$work/commit.out" && cmp -s "$work/this.err" "$work/commit.err"; then
    echo "output: the same"
else
    echo "output: DIFFERS"
fi

units_us=$(elapsed_us units -t -H '' <"$work/units.txt")
echo
echo "== GNU units ($(units --version | head -1)) on $units_conversions of the conversions"
printf '%-14s %12s lines/s\n' "GNU units" "$(per_second $units_conversions "$units_us")"
awk -v a="$units_us" -v n="$units_conversions" -v b="$this_us" -v m="$lines" \
    'BEGIN { printf "vemlik-cli is %.1f times as fast\n", (a / n) / (b / m) }'

one_shot_ms() {
    local runs=200 start=${EPOCHREALTIME/./}
    for ((i = 0; i < runs; ++i)); do "$@" >/dev/null; done
    awk -v us=$((${EPOCHREALTIME/./} - start)) -v runs=$runs 'BEGIN { printf "%.2f", us / runs / 1e3 }'
}
echo
echo "== One one-shot conversion (mean of 200 process starts)"
echo "36 km/h" >"$work/one.txt"
printf '%-14s %8s ms\n' vemlik-cli "$(one_shot_ms "$this_cli" --separator , "$work/one.txt")"
printf '%-14s %8s ms\n' "GNU units" "$(one_shot_ms units -t '36 km/hr' 'm/s')"

echo
echo "== Single-precision texts of the value formatter: this tree against commit $commit"
"$build/bench/single_format_digest" "$format_step" >"$work/this.digest" &
"$compare/single_format_digest" "$format_step" >"$work/commit.digest"
wait
echo "$((4294967296 / format_step)) values, every bit pattern a multiple of $format_step"
if cmp -s "$work/this.digest" "$work/commit.digest"; then
    echo "texts: the same"
else
    block=$(diff "$work/this.digest" "$work/commit.digest" | awk '/^</ { print $2; exit }')
    echo "texts: DIFFER, first in block $block:"
    diff <("$build/bench/single_format_digest" "$format_step" "$block") \
        <("$compare/single_format_digest" "$format_step" "$block") | head -10 || true
fi

if [[ -x "$build/bench/time_to_mapped" ]]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    while [[ ! -s "$work/display" ]]; do sleep 0.05; done
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
    unset QT_QPA_PLATFORM
    mapped() { "$build/bench/time_to_mapped" "$@" 2>/dev/null || echo "- - -"; }
    size=$(mapped "$build/app/vemlik" | awk '{ print $3 }')
    starts=21
    for _ in $(seq $starts); do
        echo "vemlik $(mapped "$build/app/vemlik")"
        echo "text $(mapped "$build/bench/bare_window" "${size%x*}" "${size#*x}" "Převod jednotek")"
        echo "empty $(mapped "$build/bench/bare_window" "${size%x*}" "${size#*x}")"
    done >"$work/mapped"
    figure() { awk -v kind="$1" -v field="$2" '$1 == kind { print $field }' "$work/mapped" | median; }
    echo
    echo "== Time to mapped under Xvfb, exec to the map notification (median of $starts interleaved starts)"
    printf '%-38s %6s ms, %s MB resident\n' "vemlik, $size" "$(figure vemlik 2)" \
        "$(figure vemlik 3)" "bare Qt window with a line of text" "$(figure text 2)" \
        "$(figure text 3)" "bare Qt window, empty" "$(figure empty 2)" "$(figure empty 3)"
    awk -v v="$(figure vemlik 2)" -v t="$(figure text 2)" -v e="$(figure empty 2)" \
        'BEGIN { printf "ratio: %.2f to the window with text, %.2f to the empty one\n", v / t, v / e }'
fi

echo
echo "== Reading a 1 GB Prevody.kfc at start (vemlik-cli --prevody, /usr/bin/time -v)"
big="$work/Prevody.kfc"
for kind in "random bytes" "malformed records" "valid records"; do
    case "$kind" in
    "random bytes") head -c 1G /dev/urandom >"$big" ;;
    # yes ends by SIGPIPE when head has enough.
    "malformed records") (yes $'sáh, 1.7 , x \r' || true) | head -c 1G >"$big" ;;
    "valid records") (yes $'sáh, 1.7 , 5 \r' || true) | head -c 1G >"$big" ;;
    esac
    /usr/bin/time -v "$this_cli" --prevody "$big" </dev/null 2>&1 >/dev/null |
        awk -v kind="$kind" -F': ' '/Elapsed/ { time = $2 } /Maximum resident/ { kb = $2 }
            END { printf "%-18s %s, resident %.1f MB\n", kind, time, kb / 1024 }'
done
rm -f "$big"
