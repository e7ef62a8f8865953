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

# Offers no, oranges, 40,000 pounds, yes, first truck, two new tires, northern route, then 20 MPH
# every hour, stopping at every fourth hour's truck stop for 100 gallons and eight hours of sleep.
keys="n n enter 4 0 0 0 0 enter enter enter enter enter 2 enter enter 2 0 2 0 2 0"
for _ in $(seq 40); do keys+=" y 1 0 0 enter y 8 enter n 2 0 2 0 2 0 2 0"; done
keys+=" x"

total=0; worst=0; arrived=0; cpu_total=0; rss_worst=0; cpu_lean_total=0; rss_lean_worst=0
for seed in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  status=0
  /usr/bin/time -f "%U %S %M" -o "$work/time" \
    "$runner" --seed "$seed" --keys "$keys" --dir "$work" --events "$work/ev.jsonl" >/dev/null || status=$?
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  total=$((total + ms)); [ $ms -gt $worst ] && worst=$ms
  read -r u s rss < <(tail -n 1 "$work/time")
  cpu=$(awk -v u="$u" -v s="$s" 'BEGIN { printf "%d", (u + s) * 1000 }')
  cpu_total=$((cpu_total + cpu)); [ "$rss" -gt $rss_worst ] && rss_worst=$rss
  # The same game without an events file: what the runner costs when it keeps nothing.
  /usr/bin/time -f "%U %S %M" -o "$work/time" \
    "$runner" --seed "$seed" --keys "$keys" --dir "$work/lean" >/dev/null 2>&1 || true
  read -r u s rss < <(tail -n 1 "$work/time")
  cpu=$(awk -v u="$u" -v s="$s" 'BEGIN { printf "%d", (u + s) * 1000 }')
  cpu_lean_total=$((cpu_lean_total + cpu)); [ "$rss" -gt $rss_lean_worst ] && rss_lean_worst=$rss
  hours=$(grep -c '^ Time: ' "$work/dravlog.txt" || true)
  vsec=$(tail -n 1 "$work/ev.jsonl" | sed -E 's/^\{"t":([0-9.e+-]+).*/\1/')
  if grep -q 'You lose your truck & profits.' "$work/dravlog.txt"; then how=accident; else how=arrival; arrived=$((arrived + 1)); fi
  printf 'seed %3d: exit %d, %-8s %3d clock readouts, %7.0f virtual s, %4d ms\n' "$seed" "$status" "$how" "$hours" "$vsec" "$ms"
done
echo "runs: $runs ($arrived arrived), mean $((total / runs)) ms, worst $worst ms per whole game (wall clock)"
echo "CPU per game: $((cpu_total / runs)) ms with --events, $((cpu_lean_total / runs)) ms without (target <= 5 ms; 10 ms resolution)"
echo "peak memory: $((rss_worst / 1024)) MiB with --events, $((rss_lean_worst / 1024)) MiB without (target <= 16 MiB)"
