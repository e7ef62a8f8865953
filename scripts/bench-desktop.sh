#!/usr/bin/env bash
# Benchmarks the real dravlen under Xvfb with OpenAL's wave writer and prints each figure beside
# its target: key to silence, key to the reply, start to first audio, idle CPU at a key wait
# (main thread and whole process, beside limitprobe, the least program on this stack) and
# resident memory; then the speech engines' own latency. A benchmark, not a test: it reports
# and never fails on a figure.
#
# Usage: scripts/bench-desktop.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
[ -x "$build/dravlen" ] || { echo "no $build/dravlen: build it first" >&2; exit 2; }

probe=""
src=../shared/limitprobe/limitprobe.cpp
if [ -f "$src" ]; then
  probe="$build/limitprobe"
  [ "$probe" -nt "$src" ] || g++ -std=c++17 -O2 -o "$probe" "$src" \
      $(pkg-config --cflags --libs sdl2 openal espeak-ng) -pthread
fi
python3 scripts/bench_desktop.py "$build" $probe

# The speech engines on their own (the embedded one through a loopback recorder, a private
# speech-dispatcher by its events): key-down to silence and to the next line.
if [ -x "$build/speech_latency" ]; then
  echo
  "$build/speech_latency"
fi
