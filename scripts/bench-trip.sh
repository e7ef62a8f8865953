#!/usr/bin/env bash
# Times whole trips on the virtual clock: dravlen-script sets up a trip and drives it at 20 MPH
# until it ends (arrival, an accident, or the keys running out), for a range of seeds.
# Usage: scripts/bench-trip.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
runner="$build/dravlen-script"
[ -x "$runner" ] || { echo "no $runner: build first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Offers no, freight, 40,000 pounds, yes, first truck, no tires, northern route, then 20 MPH every hour.
keys="n n 2 enter 4 0 0 0 0 enter y enter n enter"
for _ in $(seq 400); do keys+=" 2 0"; done
keys+=" enter enter enter"

total=0; worst=0; arrived=0
for seed in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  status=0
  "$runner" --seed "$seed" --keys "$keys" --dir "$work" --events "$work/ev.jsonl" >/dev/null || status=$?
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  total=$((total + ms)); [ $ms -gt $worst ] && worst=$ms
  hours=$(grep -c '^ Time: ' "$work/dravlog.txt" || true)
  vsec=$(tail -n 1 "$work/ev.jsonl" | sed -E 's/^\{"t":([0-9.e+-]+).*/\1/')
  if grep -q 'You lose your truck & profits.' "$work/dravlog.txt"; then how=accident; else how=arrival; arrived=$((arrived + 1)); fi
  printf 'seed %3d: exit %d, %-8s %3d clock readouts, %7.0f virtual s, %4d ms\n' "$seed" "$status" "$how" "$hours" "$vsec" "$ms"
done
echo "runs: $runs ($arrived arrived), mean $((total / runs)) ms, worst $worst ms per whole game"
