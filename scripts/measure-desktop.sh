#!/usr/bin/env bash
# Runs the real dravlen under Xvfb with OpenAL's wave backend, drives it with xdotool, and
# reports: the caption, CPU at a key wait, resident memory, time from start to the first
# speech audio, and time from a key-down to silence of speech in progress.
#
# Usage: scripts/measure-desktop.sh [BUILD_DIR]   (default: build)
# The executable is copied into a scratch folder without the wave files, so the first audio
# heard is speech rather than the opening sound.
set -euo pipefail

build=$(realpath "${1:-build}")
[ -x "$build/dravlen" ] || { echo "no $build/dravlen: build it first" >&2; exit 2; }
for tool in Xvfb xdotool sox python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb chooses a free display and writes its number once it listens (no race with other runs).
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null >"$work/display" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=":$(head -n1 "$work/display")"
export DISPLAY="$display"

mkdir -p "$work/bin" "$work/home" "$work/run"
cp "$build/dravlen" "$work/bin/"
cat > "$work/alsoft.conf" <<CONF
[general]
drivers=wave
channels=stereo
frequency=44100
sample-type=int16
hrtf=false
output-limiter=false
[wave]
file=$work/run/out.wav
CONF

wav="$work/run/out.wav"
frames_now() {  # frames written so far by the wave backend (it writes in real time)
  local size; size=$(stat -c %s "$wav" 2>/dev/null || echo 68)
  echo $(( (size > 68 ? size - 68 : 0) / 4 ))
}
ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }

cd "$work/run"
HOME="$work/home" ALSOFT_CONF="$work/alsoft.conf" "$work/bin/dravlen" >"$work/stderr.txt" 2>&1 &
game_pid=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name "Dravlen" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window named Dravlen"; cat "$work/stderr.txt"; exit 1; }
sleep 0.5
caption=$(xdotool getwindowname "$window")
echo "window caption: \"$caption\""
[ "$caption" = " Dravlen  By Brannock " ] || { echo "FAIL: wrong caption"; exit 1; }

# The title speaks and then waits for a key at the instructions question.
sleep 8
hz=$(getconf CLK_TCK)
t1=$(ticks); sleep 10; t2=$(ticks)
cpu=$(python3 -c "print(f'{($t2 - $t1) / $hz / 10 * 100:.2f}')")
rss=$(awk '/VmRSS/ {print $2}' "/proc/$game_pid/status")
hwm=$(awk '/VmHWM/ {print $2}' "/proc/$game_pid/status")

# F5 at the key wait queues the special-key instructions and waits again; a key-down in the
# middle of them must silence them at once (the game then answers the key in its own way).
xdotool key --window "$window" F5
sleep 2.5
key_frame=$(frames_now)
xdotool key --window "$window" q
sleep 2

# A close request (SDL turns SIGTERM into one, as it does the window manager's close) ends
# the game as a "yes" to the exit question would.
kill -TERM "$game_pid" 2>/dev/null || echo "(the game had already ended before the close request)"
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then
  echo "FAIL: still running 10 s after the close request"
else
  status=0
  wait "$game_pid" || status=$?
  echo "exit status after a close request: $status"
fi
game_pid=""

transcript="$work/home/Documents/quillonwerk/dravlog.txt"
[ -f "$transcript" ] || transcript="$work/run/quillonwerk/dravlog.txt"
if [ -f "$transcript" ]; then
  echo "transcript ($(wc -l < "$transcript") lines):"; cut -c1-100 "$transcript" | sed "s/^/    /"
  grep -q "Special key instructions" "$transcript" && echo "real key events reached the game (F5's text is in the transcript)"
else
  echo "FAIL: no transcript written"
fi
[ -s "$work/stderr.txt" ] && { echo "standard error:"; cat "$work/stderr.txt"; }

sox "$wav" -t raw -e signed -b 16 -c 2 "$work/out.raw"
python3 - "$work/out.raw" "$key_frame" <<'PY'
import array, sys
raw = array.array('h'); raw.frombytes(open(sys.argv[1], 'rb').read())
key = int(sys.argv[2]); rate = 44100
left = raw[0::2]
loud = lambda f: abs(left[f]) > 0.01 * 32767
first = next((f for f in range(len(left)) if loud(f)), None)
print(f"output recorded: {len(left) / rate:.2f} s")
print(f"start to first speech audio: {first / rate * 1000:.0f} ms (from the device opening, the first thing the program does)"
      if first is not None else "FAIL: the output is silent")
before = max(abs(v) for v in left[max(0, key - rate // 5):key]) if key > 0 else 0
print(f"level in the 200 ms before the key: {before / 32767:.3f} of full scale (speech in progress)")
quiet, run, silent_at = 0.003 * 32767, rate * 3 // 100, None
for f in range(key, len(left) - run):
    if all(abs(v) <= quiet for v in left[f:f + run]):
        silent_at = f; break
block = rate // 100
env = [max(abs(v) for v in left[b:b + block]) / 32767 for b in range(key - 10 * block, key + 60 * block, block)]
print("10 ms peaks from 100 ms before the key:", " ".join(f"{e:.2f}" for e in env))
if silent_at is None: print("FAIL: never silent after the key")
else: print(f"key-down to silence (first gap below -50 dB of 30 ms): {(silent_at - key) / rate * 1000:.0f} ms "
            f"(includes starting xdotool and X delivery)")
PY
echo "CPU at a key wait: $cpu % of one core (10 s)"
echo "resident memory at a key wait: $((rss / 1024)) MB (peak $((hwm / 1024)) MB)"
