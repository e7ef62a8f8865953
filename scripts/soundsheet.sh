#!/usr/bin/env bash
# Renders every game sound into one sheet of spectrograms (sox only), so a change in a sound shows in review.
# Usage: scripts/soundsheet.sh [BUILD_DIR] [OUTPUT_PNG]
# Each row of the sheet is one channel holding a few sounds in order, separated by short silences;
# the sheet's title says which sounds each row holds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/soundsheet.png}
per_row=5
gap=0.4

[ -x "$build/soundgen" ] || { echo "no $build/soundgen: build first" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Fresh files from the generator, so the sheet shows the current source even without a full build.
"$build/soundgen" "$tmp"
mapfile -t numbers < <("$build/soundgen" --list | cut -f1)

sox -n -r 22050 -c 1 -b 16 "$tmp/gap.wav" trim 0 "$gap"
rows=()
labels=()
for ((i = 0; i < ${#numbers[@]}; i += per_row)); do
  parts=()
  label=""
  for n in "${numbers[@]:i:per_row}"; do
    parts+=("$tmp/dravlen$n.wav" "$tmp/gap.wav")
    label+="${label:+ }$n"
  done
  row="$tmp/row$((i / per_row)).wav"
  sox "${parts[@]}" "$row"
  rows+=("$row")
  labels+=("[$label]")
done

# Pad every row to the longest so they can be merged as channels of one file.
longest=0
for r in "${rows[@]}"; do
  d=$(soxi -D "$r")
  longest=$(awk -v a="$longest" -v b="$d" 'BEGIN { print (b > a) ? b : a }')
done
padded=()
for r in "${rows[@]}"; do
  d=$(soxi -D "$r")
  extra=$(awk -v a="$longest" -v b="$d" 'BEGIN { printf "%.4f", a - b }')
  sox "$r" "${r%.wav}p.wav" pad 0 "$extra"
  padded+=("${r%.wav}p.wav")
done
sox -M "${padded[@]}" "$tmp/sheet.wav"

sox "$tmp/sheet.wav" -n spectrogram -x 2400 -y 160 -z 90 \
  -t "Dravlen sounds, rows top to bottom: ${labels[*]}" -c "scripts/soundsheet.sh" -o "$out"
echo "$out"
