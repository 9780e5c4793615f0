#!/usr/bin/env bash
# Measures the game side by side with a floor program in one run and prints each figure as a
# ratio against its goal; exits with 1 when a goal is missed.
# Usage: bash bench/run.sh <builddir>   (./build.sh bench builds and runs it)
#   BENCH_RUNS          start-up runs of each program (default 10)
#   BENCH_IDLE_SECONDS  length of the idle run (default 60)
# The window programs run under xvfb-run (a real X server, the xcb platform of a desktop) when
# no display is set; without xvfb-run they fall back to QT_QPA_PLATFORM=offscreen.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${BENCH_RUNS:-10}
idle=${BENCH_IDLE_SECONDS:-60}
floor=$build/bench/brankor_floor
driver=$build/bench/brankor_bench_driver
rules=$build/bench/brankor_rules_bench
for program in "$floor" "$driver" "$rules"; do
    [ -x "$program" ] || { echo "missing $program: build with -DBRANKOR_BENCH=ON" >&2; exit 2; }
done

if [ -z "${DISPLAY:-}" ] && [ -z "${BRANKOR_BENCH_INNER:-}" ] && command -v xvfb-run >/dev/null; then
    export BRANKOR_BENCH_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
if [ -n "${DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=xcb
    platform="xcb on $DISPLAY"
else
    export QT_QPA_PLATFORM=offscreen
    export QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu
    platform="offscreen"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_ns() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { printf "%d\n", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v <= goal) ? "met" : "MISSED" }'; }
missed=0

echo "Бранкор benchmarks ($platform, $(nproc) cores, $runs start-up runs, ${idle} s idle)"

# 1. Start-up: whole process from exec until the first window is painted and the program has
# exited. The two programs take turns so that drift on a shared machine hits both alike.
"$floor" startup >/dev/null 2>&1 || true   # warm the file cache for both
"$driver" startup >/dev/null 2>&1 || true
: >"$work/floor.start"
: >"$work/game.start"
for _ in $(seq "$runs"); do
    for side in floor game; do
        program=$floor
        [ "$side" = game ] && program=$driver
        t0=$(now_ns)
        "$program" startup >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
        t1=$(now_ns)
        echo $(((t1 - t0) / 1000)) >>"$work/$side.start"
    done
done
floor_start=$(median <"$work/floor.start")
game_start=$(median <"$work/game.start")
start_ratio=$(ratio "$game_start" "$floor_start")

# 2 and 3. Idle CPU and peak memory: both programs at once, each reporting its own CPU time
# from its first paint on, and its peak resident memory.
"$driver" idle "$idle" >"$work/game.idle" 2>"$work/game.err" &
game_pid=$!
"$floor" idle "$idle" >"$work/floor.idle" 2>"$work/floor.err" &
floor_pid=$!
wait "$game_pid" || { cat "$work/game.err" >&2; exit 1; }
wait "$floor_pid" || { cat "$work/floor.err" >&2; exit 1; }
field() { sed -n "s/.*$1=\([0-9]*\).*/\1/p" "$2"; }
game_cpu=$(field cpu_us "$work/game.idle")
floor_cpu=$(field cpu_us "$work/floor.idle")
game_rss=$(field rss_kb "$work/game.idle")
floor_rss=$(field rss_kb "$work/floor.idle")
# A floor that spent no measurable time would make the ratio meaningless: count at least 1 ms.
cpu_ratio=$(ratio "$game_cpu" "$((floor_cpu > 1000 ? floor_cpu : 1000))")
core_percent=$(awk -v c="$game_cpu" -v s="$idle" 'BEGIN { printf "%.3f", c / (s * 1e6) * 100 }')
rss_ratio=$(ratio "$game_rss" "$floor_rss")

# 5. A running arcade game, paddle idle: the 50 ms loop and its repaints.
arcade=${BENCH_ARCADE_SECONDS:-30}
"$driver" arcade "$arcade" >"$work/arcade.idle" 2>"$work/arcade.err" || { cat "$work/arcade.err" >&2; exit 1; }
arcade_cpu=$(field cpu_us "$work/arcade.idle")
arcade_percent=$(awk -v c="$arcade_cpu" -v s="$arcade" 'BEGIN { printf "%.3f", c / (s * 1e6) * 100 }')

# 4. Rules: one game year in the Qt-free core.
"$rules" --benchmark_format=csv --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    >"$work/rules.csv" 2>"$work/rules.err" || { cat "$work/rules.err" >&2; exit 1; }
year_ms=$(awk -F, '$1 ~ /GameYear_median/ { print $3 }' "$work/rules.csv")
[ -n "$year_ms" ] || { cat "$work/rules.csv" "$work/rules.err" >&2; exit 1; }
year_ratio=$(ratio "$year_ms" 5)

echo
printf '%-10s %-58s %-9s %-16s %s\n' figure measured ratio goal verdict
report() {
    printf '%-10s %-58s %-9s %-16s %s\n' "$1" "$2" "$3x" "$4" "$5"
    [ "$5" = met ] || missed=1
}
report start-up "median $((game_start / 1000)) ms vs floor $((floor_start / 1000)) ms" \
    "$start_ratio" "<= 1.3x floor" "$(verdict "$start_ratio" 1.3)"
idle_ok=$(verdict "$cpu_ratio" 1.5)
[ "$(verdict "$core_percent" 0.5)" = met ] || idle_ok=MISSED
report idle-cpu "$((game_cpu / 1000)) ms vs floor $((floor_cpu / 1000)) ms in ${idle} s = ${core_percent} % of a core" \
    "$cpu_ratio" "<= 1.5x, < 0.5 %" "$idle_ok"
report memory "peak $((game_rss / 1024)) MiB vs floor $((floor_rss / 1024)) MiB" \
    "$rss_ratio" "<= 1.5x floor" "$(verdict "$rss_ratio" 1.5)"
report arcade "$((arcade_cpu / 1000)) ms in ${arcade} s of a running game = ${arcade_percent} % of a core" \
    "$(ratio "$arcade_percent" 1)" "< 1 % of a core" "$(verdict "$arcade_percent" 0.9999)"
report rules "$(printf '%.3f' "$year_ms") ms per game year" "$year_ratio" "< 5 ms (1.0x)" \
    "$(verdict "$year_ratio" 0.9999)"
exit "$missed"
