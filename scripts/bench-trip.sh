#!/usr/bin/env bash
# Times whole trips on the virtual clock: dravlen-script sets up a trip and drives it at 20 MPH with
# a truck stop every fourth hour until it ends (arrival, an accident, or the keys running out), for a
# range of seeds; CPU and peak memory per game, with and without an events file.
# Usage: scripts/bench-trip.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
runner="$build/dravlen-script"
[ -x "$runner" ] || { echo "no $runner: build first" >&2; exit 1; }
work=$(mktemp -d)
mkdir -p "$work/lean"
trap 'rm -rf "$work"' EXIT

# Runs a command and prints its CPU time in microseconds (user + system, from the shell's
# accounting of its children, to the millisecond: /usr/bin/time rounds to 10 ms) and its peak
# resident memory in KiB.
measure() {
  /usr/bin/time -f "%M" -o "$work/rss" bash -c '"$@" >/dev/null 2>&1; times' _ "$@" > "$work/times" || true
  tail -n 1 "$work/times" | awk -v rss="$(tail -n 1 "$work/rss")" '{
    split($1, u, /[ms]/); split($2, s, /[ms]/)
    printf "%d %d\n", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1e6, rss }'
}

# Offers no, oranges, 40,000 pounds, yes, first truck, two new tires, northern route, then 20 MPH
# every hour, stopping at every fourth hour's truck stop for 100 gallons and eight hours of sleep.
keys="n n enter 4 0 0 0 0 enter enter enter enter enter 2 enter enter 2 0 2 0 2 0"
for _ in $(seq 40); do keys+=" y 1 0 0 enter y 8 enter n 2 0 2 0 2 0 2 0"; done
keys+=" x"

total=0; worst=0; driving_total=0; arrived=0; cpu_total=0; rss_worst=0; cpu_lean_total=0; rss_lean_worst=0
for seed in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  status=0
  read -r cpu rss < <(measure "$runner" --seed "$seed" --keys "$keys" --dir "$work" --events "$work/ev.jsonl")
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  total=$((total + ms)); [ $ms -gt $worst ] && worst=$ms
  cpu_total=$((cpu_total + cpu)); [ "$rss" -gt $rss_worst ] && rss_worst=$rss
  # The same game without an events file: what the runner costs when it keeps nothing.
  read -r cpu rss < <(measure "$runner" --seed "$seed" --keys "$keys" --dir "$work/lean")
  cpu_lean_total=$((cpu_lean_total + cpu)); [ "$rss" -gt $rss_lean_worst ] && rss_lean_worst=$rss
  hours=$(grep -c '^ Time: ' "$work/dravlog.txt" || true)
  driving=$(grep -c '^ How fast do you wish to go? ' "$work/dravlog.txt" || true)
  driving_total=$((driving_total + driving))
  vsec=$(tail -n 1 "$work/ev.jsonl" | sed -E 's/^\{"t":([0-9.e+-]+).*/\1/')
  if grep -q 'You lose your truck & profits.' "$work/dravlog.txt"; then how=accident; else how=arrival; arrived=$((arrived + 1)); fi
  printf 'seed %3d: exit %d, %-8s %3d driving hours, %3d clock readouts, %7.0f virtual s, %4d ms\n' \
    "$seed" "$status" "$how" "$driving" "$hours" "$vsec" "$ms"
done
echo "runs: $runs ($arrived arrived), mean $((total / runs)) ms, worst $worst ms per whole game (wall clock)"
lean_us=$((cpu_lean_total / runs))
echo "CPU per game: $((cpu_total / runs / 1000)) ms with --events, $(awk -v u=$lean_us 'BEGIN { printf "%.1f", u / 1000 }') ms without"
echo "  without --events, scaled to a 90-hour drive: $(awk -v u=$cpu_lean_total -v h=$driving_total 'BEGIN { printf "%.1f", u / 1000 / h * 90 }') ms (target <= 5 ms)"
echo "peak memory: $((rss_worst / 1024)) MiB with --events, $((rss_lean_worst / 1024)) MiB without (target <= 16 MiB)"
