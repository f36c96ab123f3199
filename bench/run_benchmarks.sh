#!/usr/bin/env bash
# Builds what the benchmarks need in build/bench and prints their figures:
#   1. the engine: one conversion line through parse, convert and format (Google Benchmark);
#   2. vemlik-cli beside GNU units on the same 200 000 generated conversions, and one one-shot
#      conversion of each;
#   3. the window program's start-up, offscreen, with its resident memory.
# Usage: bench/run_benchmarks.sh [number of conversions]
set -euo pipefail
cd "$(dirname "$0")/.."

conversions=${1:-200000}
build=build/bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

scripts/setup
# The same optimisation as the default preset, so the figures are those of the usual build.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g" -DVEMLIK_BUILD_TESTS=OFF >/dev/null
targets=(vemlik-cli engine_benchmarks)
if ninja -C "$build" -t targets all 2>/dev/null | grep -q '^window_startup_benchmark:'; then
    targets+=(window_startup_benchmark)
fi
cmake --build "$build" --target "${targets[@]}" >/dev/null

# The figures never depend on the units kept by whoever runs them.
export HOME="$work" XDG_DATA_HOME="$work/data"

now_ns() { date +%s%N; }
per_second() { awk -v n="$1" -v ns="$2" 'BEGIN { printf "%.0f", n / (ns / 1e9) }'; }

echo "== Engine: one conversion line (parse, convert, format)"
"$build/bench/engine_benchmarks" --benchmark_min_time=0.5 2>/dev/null |
    grep -E '^(Benchmark|convertLine|startEngine|-)'

# The same conversions for both programs: a Vemlik line, and the have and want lines that GNU
# units reads for it (GNU units takes h for Planck's constant, so hours are hr there).
awk -v count="$conversions" -v vemlik="$work/vemlik.txt" -v units="$work/units.txt" 'BEGIN {
    for (i = 0; i < count; ++i) {
        v = (i % 997) + 0.25; c = v; sub(/\./, ",", c)
        kind = i % 8
        if (kind == 0) { print v " km/h" > vemlik;          print v " km/hr\nm/s" > units }
        if (kind == 1) { print "cm/min " v " ft/hr" > vemlik; print v " ft/hr\ncm/min" > units }
        if (kind == 2) { print c " kcal/m2/h/C" > vemlik;   print v " kcal/m^2/hr/K\nkg/K/s^3" > units }
        if (kind == 3) { print "C " v " F" > vemlik;        print "tempF(" v ")\ntempC" > units }
        if (kind == 4) { print "kPa " v " psia" > vemlik;   print v " psi\nkPa" > units }
        if (kind == 5) { print "J " c " kWh" > vemlik;      print v " kWh\nJ" > units }
        if (kind == 6) { print v " lb" > vemlik;            print v " lb\nkg" > units }
        if (kind == 7) { print "km " v " mile" > vemlik;    print v " mile\nkm" > units }
    }
}'

cli="$build/cli/vemlik-cli"
best_cli_ns=""
for run in 1 2 3; do
    start=$(now_ns)
    "$cli" --separator , "$work/vemlik.txt" >"$work/vemlik.out"
    elapsed=$(($(now_ns) - start))
    if [[ -z "$best_cli_ns" || $elapsed -lt $best_cli_ns ]]; then best_cli_ns=$elapsed; fi
done
start=$(now_ns)
units -t -H '' <"$work/units.txt" >"$work/units.out"
units_ns=$(($(now_ns) - start))

cli_rate=$(per_second "$conversions" "$best_cli_ns")
units_rate=$(per_second "$conversions" "$units_ns")
echo
echo "== $conversions conversions, $(units --version | head -1)"
echo "   output lines: vemlik-cli $(wc -l <"$work/vemlik.out"), GNU units $(wc -l <"$work/units.out")"
printf '%-12s %12s lines/s  (%d ms, best of 3)\n' vemlik-cli "$cli_rate" $((best_cli_ns / 1000000))
printf '%-12s %12s lines/s  (%d ms)\n' "GNU units" "$units_rate" $((units_ns / 1000000))
awk -v a="$cli_rate" -v b="$units_rate" 'BEGIN { printf "ratio        %12.1f x\n", a / b }'

one_shot_ms() {
    local runs=200 start
    start=$(now_ns)
    for ((i = 0; i < runs; ++i)); do "$@" >/dev/null; done
    awk -v ns=$(($(now_ns) - start)) -v runs=$runs 'BEGIN { printf "%.2f", ns / runs / 1e6 }'
}
echo
echo "== One one-shot conversion (mean of 200 process starts)"
echo "36 km/h" >"$work/one.txt"
printf '%-12s %8s ms\n' vemlik-cli "$(one_shot_ms "$cli" --separator , "$work/one.txt")"
printf '%-12s %8s ms\n' "GNU units" "$(one_shot_ms units -t '36 km/hr' 'm/s')"

if [[ -x "$build/bench/window_startup_benchmark" ]]; then
    echo
    echo "== Window start-up, offscreen (median of 11 starts)"
    for run in $(seq 11); do
        QT_QPA_PLATFORM=offscreen "$build/bench/window_startup_benchmark" 2>/dev/null
    done | sort -n -k1,1 | sed -n 6p |
        awk '{ printf "main window shown, event loop idle: %s ms, resident: %s MB\n", $1, $2 }'
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
    /usr/bin/time -v "$cli" --prevody "$big" </dev/null 2>&1 >/dev/null |
        awk -v kind="$kind" -F': ' '/Elapsed/ { time = $2 } /Maximum resident/ { kb = $2 }
            END { printf "%-18s %s, resident %.1f MB\n", kind, time, kb / 1024 }'
done
rm -f "$big"
