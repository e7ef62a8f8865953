#!/usr/bin/env bash
# Plays the real dravlen under Xvfb to the driving hours with paced xdotool keys, captures its
# sound output through OpenAL's wave backend, and reports what was heard: the set-up's one-shots,
# the engine loop's pitch at 50, 20, 55 and 99 MPH, the weather loops, clipping and silence.
#
# Usage: scripts/check-real-game.sh [--quick | --blizzard] [BUILD_DIR] [OUT_DIR]
#   BUILD_DIR  the build folder with dravlen, dravlen-script and the wave files (default: build)
#   OUT_DIR    where out.wav, the spectrogram PNGs, the transcript and report.txt go
#              (default: a new folder under /tmp)
#   --quick    stop after the engine hours (about 3 minutes)
#   (default)  drive on until the weather brings the wet-road loop (about 8 minutes)
#   --blizzard drive on until it has brought the blizzard loop too (about 15 minutes)
#
# How it keeps the real game and the plan in step: the game seeds its random generator from the
# time of day when the opening sound ends, so the script first plays candidate seeds headless with
# dravlen-script (same game, virtual clock), picks a second whose seed brings the weather soon,
# and starts the game so that its opening sound ends in the middle of that second. Then every key
# is sent only once the real transcript holds exactly the lines the headless run had at that key
# wait (a key sent earlier would be lost to the game's key-clearing, as the design has it). Seeds
# one or two seconds either side are played too, and the one the real transcript follows is kept.
# The capture lets OpenAL limit the mix as the game asks (no output-limiter line in its
# alsoft.conf): a configuration that turns the limiter off is the user's own choice.
# The same run also checks the caption, the ending by Esc and Enter (settings written, apology
# spoken), and, in a second short run, that a window close request ends the game cleanly.
set -euo pipefail

mode=wet
case "${1:-}" in --quick) mode=quick; shift;; --blizzard) mode=blizzard; shift;; esac
build=$(realpath "${1:-build}")
out=${2:-$(mktemp -d /tmp/dravlen-realcheck.XXXXXX)}
mkdir -p "$out"; out=$(realpath "$out")
for f in dravlen dravlen-script dravlen46.wav; do
  [ -e "$build/$f" ] || { echo "no $build/$f: build first" >&2; exit 2; }
done
for tool in Xvfb xdotool sox python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 2; }
done

cat > "$out/check_real_game.py" <<'PY'
import json, math, os, re, shutil, signal, subprocess, sys, time, array

sys.path.insert(0, sys.argv[4])
from realgame import Display, send_close_request  # the harness the end-to-end tests use

BUILD, OUT, MODE = sys.argv[1], sys.argv[2], sys.argv[3]
QUICK = MODE == "quick"
GOAL = {"wet", "blizzard"} if MODE == "blizzard" else {"wet"}
HOURS_WANTED = 45 if MODE == "blizzard" else 26
RATE = 44100
TITLE_LATENCY = 5.84   # launch to the title line: start-up plus the whole opening sound (measured)
HOLD = 14.0            # seconds of key wait recorded at a measuring point (the hour's speech takes up to 9)
MAX_HOURS = 44
report_lines = []

def say(*a):
    s = " ".join(str(x) for x in a)
    print(s, flush=True)
    report_lines.append(s)

# ---------------------------------------------------------------- the player's policy
WETS = ("rain", "light snow", "BLIZZARD")
CRUISE_MPH = 60                      # under the speed-check threshold on every route
CRUISE = list(str(CRUISE_MPH))

class Policy:
    """Chooses the keys at every key wait from the transcript so far, the same way for the
    headless planning run and for the real game."""
    def __init__(self, quick):
        self.quick = quick
        self.speedAsks = 0
        self.captured = set()
        self.leaving = False
        self.hours_to_goal = None

    def decide(self, lines):
        """Returns (tokens, hold seconds, label of the measuring point or '')."""
        last = lines[-1] if lines else ""
        q = last.strip()
        if q in ("yes", "no"):
            question = next((l for l in reversed(lines) if l.strip() not in ("yes", "no")), "")
            if "exit game?" in question: return (["enter"], 0, "")
            for key, ans in (("reed the instructions", "n"), ("special key instructions", "n"),
                             ("Is this correct?", "y"), ("Do you want replacements?", "y"),
                             ("Truck stop ahead", "y"), ("buy a tire?", "n"), ("buy more?", "n")):
                if key in question: return ([ans], 0, "")
            if "get some sleep?" in question:
                feeling = next((l for l in reversed(lines) if "You are feeling" in l), "")
                rested = any(w in feeling for w in ("rested", "fine", "bored"))
                return (["n" if rested else "y"], 0, "")
            return (["enter"], 0, "unknown yes/no: " + question.strip())
        if q == "1 oranges": return (["2"], 0, "")
        if q in ("2 freight", "freight liner", "northern", "new", "1"): return (["enter"], 0, "")
        if "How many pounds" in last: return (list("40000") + ["enter"], 0, "")
        if "How many hours of rest" in last: return (["8", "enter"], 0, "")
        if "How many gallons" in last:
            fuel = next((int(m.group(1)) for l in reversed(lines)
                         for m in [re.search(r"Approximate fuel\s+(-?\d+)", l)] if m), 100)
            return (list(str(max(0, 185 - fuel))) + ["enter"], 0, "")
        if "press any key" in last: return (["space"], 0, "")
        if "How fast do you wish to go?" in last: return self.speed(lines)
        return (["enter"], 0, "unknown wait after: " + last.strip())

    def speed(self, lines):
        self.speedAsks += 1
        n = self.speedAsks
        plan = {1: (["2", "0"], "engine at start-up (its own rate)"), 2: (["enter"], "engine 20 MPH"),
                3: (["5", "5"], ""), 4: (["enter"], "engine 55 MPH"), 5: (["9", "9"], ""),
                6: (CRUISE, "engine 99 MPH (capped at 82, pitched at 99)"),
                7: (CRUISE, ""), 8: (CRUISE, f"engine {CRUISE_MPH} MPH")}
        if self.leaving: return (["esc"], 0, "")
        if n in plan:
            keys, label = plan[n]
            if self.quick and n == 8:
                self.leaving = True
                self.hours_to_goal = n
                return (["esc"], HOLD, label)
            return (keys, HOLD if label else 0, label)
        weather = next((l for l in reversed(lines) if "Current weather:" in l), "")
        label = ""
        if "BLIZZARD" in weather and "blizzard" not in self.captured:
            label = f"blizzard loop 21 (with wet loop 20) at {CRUISE_MPH} MPH"; self.captured.add("blizzard")
        elif any(w in weather for w in WETS[:2]) and "wet" not in self.captured:
            label = "wet-road loop 20 (" + weather.split(":")[1].strip() + f") at {CRUISE_MPH} MPH"
            self.captured.add("wet")
        if GOAL <= self.captured or n >= MAX_HOURS:
            self.leaving = True
            self.hours_to_goal = n if GOAL <= self.captured else None
            return (["esc"], HOLD if label else 0, label)
        # Digits every hour: Enter would repeat the last speed, which running dry clears.
        return (CRUISE, HOLD if label else 0, label)

# ---------------------------------------------------------------- headless planning
def plan_run(seed):
    """Plays the game headless with the policy; returns the list of key waits
    (lines so far, tokens, hold, label, extra delay) and the policy."""
    d = os.path.join(OUT, "plan", str(seed))
    shutil.rmtree(d, ignore_errors=True); os.makedirs(d)
    evfile = os.path.join(d, "events.jsonl")
    p = subprocess.Popen([os.path.join(BUILD, "dravlen-script"), "--seed", str(seed), "--keys", "-",
                          "--dir", d, "--events", evfile], cwd=d, stdin=subprocess.PIPE,
                         stdout=subprocess.PIPE, text=True, bufsize=1)
    pol = Policy(QUICK)
    lines, waits, pending = [], [], []
    for raw in p.stdout:
        line = raw.rstrip("\r\n")
        if line != "#key":
            lines.append(line); continue
        if not pending:
            toks, hold, label = pol.decide(lines)
            pending = [(t, hold if i == 0 else 0, label if i == 0 else "") for i, t in enumerate(toks)]
        tok, hold, label = pending.pop(0)
        waits.append({"n": len(lines), "token": tok, "hold": hold, "label": label})
        p.stdin.write(tok + "\n"); p.stdin.flush()
    p.wait()
    # How long after its last line the game really started waiting (a sound played in between).
    evs = [json.loads(l) for l in open(evfile)]
    evs = [e for e in evs if e["op"] != "rnd"]
    keyi, t_line = 0, 0.0
    for i, e in enumerate(evs):
        if e["op"] == "speak" and e["text"]:
            nxt = evs[i + 1]["t"] if e["flags"] == 0 and i + 1 < len(evs) else e["t"]
            t_line = nxt
        if e["op"] == "key" and keyi < len(waits):
            waits[keyi]["delay"] = max(0.0, e["t"] - t_line); keyi += 1
    return {"seed": seed, "lines": lines, "waits": waits, "policy": pol, "status": p.returncode}

def seed_at(second):
    t = time.localtime(second)
    return t.tm_hour * 120 + t.tm_min * 60 + t.tm_sec

def choose_second():
    cache = {}
    def plan(seed):
        if seed not in cache: cache[seed] = plan_run(seed)
        return cache[seed]
    start = math.ceil(time.time()) + 8
    tried = 0
    while True:
        tried += 1
        # Leave time for the search itself: each second tried moves the target on.
        second = max(start, math.ceil(time.time()) + 6)
        start = second + 1
        r = plan(seed_at(second))
        good = r["policy"].hours_to_goal is not None and r["status"] == 0
        if good and r["policy"].hours_to_goal <= HOURS_WANTED:
            break
        if tried >= 400:
            say("no seed in the next 400 seconds brings the weather soon; going on with", seed_at(second))
            break
    if time.time() > second - 3:
        return choose_second()
    cands = [plan(seed_at(second + k)) for k in (0, -1, 1, -2, 2)]
    return second, cands

# ---------------------------------------------------------------- the real game
class Game:
    def __init__(self, name):
        self.dir = os.path.join(OUT, name)
        shutil.rmtree(self.dir, ignore_errors=True)
        self.home = os.path.join(self.dir, "home"); self.run = os.path.join(self.dir, "run")
        os.makedirs(os.path.join(self.home, "Documents")); os.makedirs(self.run)
        self.wav = os.path.join(self.dir, "out.wav")
        self.conf = os.path.join(self.dir, "alsoft.conf")
        open(self.conf, "w").write("[general]\ndrivers=wave\nchannels=stereo\nfrequency=44100\n"
                                   "sample-type=int16\nhrtf=false\n"
                                   f"[wave]\nfile={self.wav}\n")
        self.transcript = os.path.join(self.home, "Documents", "quillonwerk", "dravlog.txt")
        self.cfg = os.path.join(self.home, "Documents", "quillonwerk", "dravlen.cfg")
        self.seen = []        # (line, frame when first seen)
        self.window = None
    def launch(self):
        env = dict(os.environ, HOME=self.home, ALSOFT_CONF=self.conf)
        self.err = open(os.path.join(self.dir, "stderr.txt"), "w")
        self.proc = subprocess.Popen([os.path.join(BUILD, "dravlen")], cwd=self.run, env=env,
                                     stdout=self.err, stderr=self.err)
        for _ in range(100):
            r = subprocess.run(["xdotool", "search", "--name", "Dravlen"], capture_output=True, text=True)
            if r.stdout.strip(): self.window = int(r.stdout.split()[0]); break
            time.sleep(0.05)
    def caption(self):
        return subprocess.run(["xdotool", "getwindowname", str(self.window)], capture_output=True,
                              text=True).stdout.rstrip("\n")
    def frames(self):
        try: return max(0, os.path.getsize(self.wav) - 68) // 4
        except OSError: return 0
    def poll(self):
        try: data = open(self.transcript, "rb").read().decode("latin-1")
        except OSError: return self.seen
        parts = data.split("\r\n")[:-1]
        f = self.frames()
        for l in parts[len(self.seen):]: self.seen.append((l, f))
        return self.seen
    def key(self, token):
        name = {"enter": "Return", "esc": "Escape", "space": "space", "up": "Up", "down": "Down"}.get(token, token)
        subprocess.run(["xdotool", "key", "--window", str(self.window), name])
    def alive(self): return self.proc.poll() is None
    def wait_end(self, timeout):
        try: return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired: return None

def mirror(game, cands, marks):
    """Sends the planned keys, each once the real transcript has the planned lines."""
    active = list(cands)
    idx = 0
    while True:
        lines = [l for l, _ in game.poll()]
        if not game.alive(): return active[0] if active else None
        active = [c for c in active if c["lines"][:len(lines)] == lines]
        if not active:
            say("the real transcript left every planned run at line", len(lines), ":", repr(lines[-1]))
            return None
        if all(idx >= len(c["waits"]) for c in active):
            return active[0]
        due = [c for c in active if idx < len(c["waits"]) and c["waits"][idx]["n"] == len(lines)]
        if not due:
            time.sleep(0.02); continue
        cur = due[0]; w = cur["waits"][idx]
        time.sleep(0.4 + w.get("delay", 0))
        if len(game.poll()) != len(lines): continue   # more came: look again
        if w["hold"]:
            f0 = game.frames(); time.sleep(w["hold"]); f1 = game.frames()
            marks.append({"label": w["label"], "from": f0, "to": f1, "seed": cur["seed"]})
        if w["label"].startswith("unknown"): say("note:", w["label"])
        game.key(w["token"])
        marks.append({"key": w["token"], "frame": game.frames(), "line": len(lines)})
        active = [c for c in active if idx < len(c["waits"]) and c["waits"][idx]["token"] == w["token"]]
        active.sort(key=lambda c: c is not cur)
        idx += 1
        time.sleep(0.25)

# ---------------------------------------------------------------- sound analysis
def read_capture(path):
    raw = os.path.join(OUT, "out.raw")
    subprocess.run(["sox", path, "-t", "raw", "-e", "signed", "-b", "16", "-c", "2", raw], check=True)
    a = array.array("h"); a.frombytes(open(raw, "rb").read()); os.remove(raw)
    return a

def level(cap, f0, f1):
    """Peak and RMS (fractions of full scale) and the clipped flat tops: runs of three or more
    samples of one channel at full scale. A single sample at full scale is OpenAL's limiter
    holding the sum at its ceiling, not clipping."""
    seg = cap[2 * f0: 2 * f1]
    if not seg: return 0, 0, 0
    peak = max(abs(v) for v in seg)
    rms = math.sqrt(sum(v * v for v in seg[::7]) / max(1, len(seg[::7])))
    flat = 0
    for ch in (0, 1):
        run = 0
        for v in seg[ch::2]:
            if v >= 32767 or v <= -32768: run += 1
            else:
                flat += run >= 3; run = 0
        flat += run >= 3
    return peak / 32767, rms / 32767, flat

def spectrum(path, start, dur, rate):
    """Average magnitude spectrum of the left channel, from sox's stat -freq (4096-point blocks)."""
    r = subprocess.run(["sox", path, "-n", "trim", f"{start:.3f}", f"{dur:.3f}", "remix", "1",
                        "rate", str(rate), "stat", "-freq"], capture_output=True, text=True)
    acc = {}
    for l in r.stderr.splitlines():
        p = l.split()
        if len(p) == 2:
            try: f, m = float(p[0]), float(p[1])
            except ValueError: continue
            acc[f] = acc.get(f, 0.0) + m
    return sorted(acc.items())

def peak_freq(pts, lo, hi):
    pts = [(f, m) for f, m in pts if lo <= f <= hi]
    i = max(range(len(pts)), key=lambda k: pts[k][1])
    if 0 < i < len(pts) - 1:   # parabolic interpolation between the bins
        a, b, c = pts[i - 1][1], pts[i][1], pts[i + 1][1]
        step = pts[i + 1][0] - pts[i][0]
        d = 0.5 * (a - c) / (a - 2 * b + c) if (a - 2 * b + c) else 0
        return pts[i][0] + d * step
    return pts[i][0]

def log_profile(pts, lo=15.0, hi=1800.0, bins=600):
    """The spectrum on a log-frequency axis (log magnitude), for finding the scale between two."""
    out = [0.0] * bins
    cnt = [0] * bins
    for f, m in pts:
        if lo <= f < hi:
            k = int(math.log(f / lo) / math.log(hi / lo) * bins)
            out[k] += m; cnt[k] += 1
    prof = [math.log10(o / c + 1e-9) if c else None for o, c in zip(out, cnt)]
    last = 0.0
    for i, v in enumerate(prof):   # fill empty bins (low frequencies are sparse)
        if v is None: prof[i] = last
        else: last = v
    return prof, lo, hi, bins

def scale_between(pa, pb):
    """The frequency ratio r that best maps profile pa onto pb (pb(f*r) ~ pa(f))."""
    prof_a, lo, hi, bins = pa; prof_b = pb[0]
    step = math.log(hi / lo) / bins
    best = None
    for shift in range(-int(math.log(4) / step), int(math.log(4) / step)):
        xs = [(prof_a[i], prof_b[i + shift]) for i in range(bins) if 0 <= i + shift < bins]
        if len(xs) < bins // 3: continue
        ma = sum(x for x, _ in xs) / len(xs); mb = sum(y for _, y in xs) / len(xs)
        num = sum((x - ma) * (y - mb) for x, y in xs)
        den = math.sqrt(sum((x - ma) ** 2 for x, _ in xs) * sum((y - mb) ** 2 for _, y in xs)) or 1
        c = num / den
        if best is None or c > best[0]: best = (c, shift)
    return math.exp(best[1] * step), best[0]

def spectrogram(path, start, dur, png, title):
    subprocess.run(["sox", path, "-n", "trim", f"{start:.3f}", f"{dur:.3f}", "remix", "1", "spectrogram",
                    "-o", png, "-t", title, "-x", "800", "-y", "257"], check=True)

# ---------------------------------------------------------------- main
def main():
    x = Display()
    ok = True
    try:
        say("planning: playing candidate seeds headless ...")
        second, cands = choose_second()
        goal = cands[0]["policy"].hours_to_goal
        say(f"chosen seed {cands[0]['seed']} (the opening sound should end at "
            f"{time.strftime('%H:%M:%S', time.localtime(second))}.5); planned hours to the goal: {goal}")
        game = Game("game")
        time.sleep(max(0, second + 0.5 - TITLE_LATENCY - time.time()))
        t_launch = time.time()
        game.launch()
        if game.window is None:
            say("FAIL: no window named Dravlen"); return False
        time.sleep(0.3)
        cap = game.caption()
        say(f'window caption: "{cap}"', "(right)" if cap == " Dravlen  By Brannock " else "FAIL: wrong")
        ok &= cap == " Dravlen  By Brannock "
        marks = []
        used = mirror(game, cands, marks)
        status = game.wait_end(60)
        if status is None:
            say("FAIL: the game did not end within 60 s of the last key"); game.proc.kill(); status = "killed"
            ok = False
        say("exit status after Esc, Enter at a question:", status)
        lines = [l for l, _ in game.poll()]
        shutil.copy(game.transcript, os.path.join(OUT, "dravlog.txt"))
        if used is None:
            say("FAIL: the real game did not follow any planned run"); ok = False
        else:
            same = lines == used["lines"]
            say(f"the real game followed the headless run of seed {used['seed']}"
                f"{' (off by ' + str(used['seed'] - cands[0]['seed']) + ' s)' if used is not cands[0] else ''}:"
                f" transcript {'identical' if same else 'DIFFERENT'} ({len(lines)} lines)")
            ok &= same
        cfg = open(game.cfg).read().splitlines() if os.path.exists(game.cfg) else None
        say("settings file after the ending:", cfg if cfg is not None else "MISSING")
        ok &= cfg is not None and len(cfg) == 4
        err = open(os.path.join(game.dir, "stderr.txt")).read().strip()
        if err: say("standard error:", err)
        if os.path.exists(os.path.join(game.run, "quillonwerk")): say("note: a quillonwerk folder was made in the current folder")

        say("\n--- transcript ---")
        for l in lines: say("    " + l)

        # ---- sound
        wav = game.wav
        capt = read_capture(wav)
        total = len(capt) // 2
        say(f"\n--- sound ({total / RATE:.1f} s captured) ---")
        at = {}   # first frame each transcript line was seen
        for i, (l, f) in enumerate(game.seen):
            at.setdefault(l.strip(), f)
        keys = [m for m in marks if "key" in m]
        holds = [m for m in marks if "label" in m]
        def first_key_after(frame):
            return next((m["frame"] for m in keys if m["frame"] > frame), total)
        segs = []
        f_title = next((f for l, f in game.seen if "version 3" in l), None)
        if f_title: segs.append(("1 opening theme (played to its end)", 0, f_title))
        # The set-up's one-shots, between the lines around them (each sound starts on its own).
        seen = game.seen
        def frame_of(pred, after=0):
            return next((f for l, f in seen if pred(l) and f >= after), None)
        f_load = frame_of(lambda l: "loading your truck" in l)
        f_day2 = frame_of(lambda l: "Time:  9 A.M." in l)
        f_paid = frame_of(lambda l: "You paid $190.00" in l)
        f_route = frame_of(lambda l: "Which route do you choose" in l)
        f_cruise = frame_of(lambda l: "Cruising on" in l)
        f_tires_done = frame_of(lambda l: "You may choose the Northern" in l)
        f_tire_key = next((m["frame"] for m in keys if m["frame"] > (f_paid or 0)), None)
        if f_load and f_day2: segs.append(("32 loading at the dock", f_load, frame_of(lambda l: "Day Monday" in l, f_load) or f_day2))
        if f_day2 and f_paid: segs.append(("29 counter, 27 pump, 40 cash register", f_day2, f_paid))
        if f_paid and f_tires_done:
            k = [m["frame"] for m in keys if f_paid < m["frame"] < f_tires_done]
            if k: segs.append(("37 impact wrench (and 40 paid)", k[-1], f_tires_done))
        if f_route and f_cruise:
            k = [m["frame"] for m in keys if f_route < m["frame"] < f_cruise]
            if k: segs.append(("44 engine start, then the engine loop 46 fading in", k[-1], f_cruise))
        end_key = keys[-1]["frame"] if keys else 0
        segs.append(("ending: thank-you line, two beeps, apology", end_key, total))
        for h in holds:
            segs.append((h["label"], h["from"], h["to"]))
        say(f"{'segment':58} {'from s':>7} {'len s':>6} {'peak':>6} {'rms':>6} flat tops")
        for name, f0, f1 in segs:
            pk, rms, clip = level(capt, f0, f1)
            flag = "  SILENT" if rms < 0.003 else ""
            say(f"{name:58} {f0 / RATE:7.2f} {(f1 - f0) / RATE:6.2f} {pk:6.3f} {rms:6.3f} {clip:7d}{flag}")
            ok &= clip == 0 and rms >= 0.003
            png = os.path.join(OUT, re.sub(r"[^A-Za-z0-9]+", "_", name).strip("_")[:50] + ".png")
            spectrogram(wav, f0 / RATE, max(0.1, (min(f1, total - 100) - f0) / RATE), png, name)
        pk_all, _, clip_all = level(capt, 0, total)
        touching = sum(1 for v in capt if v >= 32767 or v <= -32768)
        say(f"whole capture: peak {pk_all:.3f} of full scale, {clip_all} clipped flat tops,"
            f" {touching} single samples at the limiter's ceiling")
        ok &= clip_all == 0
        spectrogram(wav, 0, (total - 100) / RATE, os.path.join(OUT, "whole_run.png"), "whole run")

        # ---- engine pitch: the last 4 s of each quiet key wait at a known speed
        say("\n--- engine loop pitch (last 4 s of each quiet key wait) ---")
        ref = spectrum(os.path.join(BUILD, "dravlen46.wav"), 0, 5, 22050)
        ref_peak = peak_freq(ref, 30, 400)
        say(f"dravlen46.wav at its own rate: dominant peak {ref_peak:.1f} Hz")
        eng = {}
        for h in holds:
            m = re.match(r"engine (\d+) MPH", h["label"])
            if not m and not h["label"].startswith("engine at start-up"): continue
            mph = int(m.group(1)) if m else 0
            start = h["to"] / RATE - 4.0
            pts = spectrum(wav, start, 4.0, 4000)
            eng[mph] = (pts, peak_freq(pts, 12, 400), log_profile(pts))
        hz = {m: m * 401 for m in (20, 55, 99, CRUISE_MPH)}
        hz[0] = 22050   # before the first speed answer the loop plays at the file's own rate
        for mph, (pts, pf, _) in sorted(eng.items()):
            expect = ref_peak * hz[mph] / 22050
            say(f"{str(mph) + ' MPH' if mph else 'start-up':>8}: playback {hz[mph]} Hz, dominant peak {pf:6.1f} Hz (expected {expect:6.1f})")
        if 55 in eng:
            for mph in (20, 0, CRUISE_MPH, 99):
                if mph not in eng: continue
                r_peak = eng[mph][1] / eng[55][1]
                r_shape, corr = scale_between(eng[55][2], eng[mph][2])
                want = hz[mph] / hz[55]
                good = abs(r_peak / want - 1) < 0.03 and abs(r_shape / want - 1) < 0.03
                say(f"ratio {str(mph) + ' MPH' if mph else 'start-up'} / 55 MPH: wanted {want:.3f}; from the dominant peaks {r_peak:.3f}, "
                    f"from the whole spectrum {r_shape:.3f} (match {corr:.2f}) {'ok' if good else 'FAIL'}")
                ok &= good
        # ---- weather loops: energy above 2 kHz compared with the clear-weather wait at the cruising speed
        wet = [h for h in holds if "loop" in h["label"]]
        if wet and CRUISE_MPH in eng:
            def band(h):
                s = spectrum(wav, h["to"] / RATE - 4.0, 4.0, 22050)
                tot = sum(m * m for f, m in s if 2000 <= f <= 8000)
                return 10 * math.log10(tot + 1e-12)
            clear = next(h for h in holds if h["label"] == f"engine {CRUISE_MPH} MPH")
            b0 = band(clear)
            for h in wet:
                d = band(h) - b0
                say(f"{h['label']}: {d:+.1f} dB between 2 and 8 kHz over the clear-weather wait"
                    f" {'(heard)' if d > 3 else 'NOT HEARD'}")
                ok &= d > 3
        elif not QUICK:
            say("the weather loops were not reached")
    finally:
        try:
            if 'game' in locals() and game.alive(): game.proc.kill()
        except Exception: pass
        close_ok = close_check() if 'game' in locals() else False
        x.close()
    return ok and close_ok

def close_check():
    say("\n--- a window close request at the instructions question ---")
    g = Game("close")
    g.launch()
    if g.window is None: say("FAIL: no window"); return False
    for _ in range(400):
        if any("instructions?" in l for l, _ in g.poll()): break
        time.sleep(0.05)
    time.sleep(1.0)
    send_close_request(g.window)
    status = g.wait_end(20)
    if status is None:
        say("FAIL: still running 20 s after the close request"); g.proc.kill(); return False
    cfg = open(g.cfg).read().splitlines() if os.path.exists(g.cfg) else None
    lines = [l for l, _ in g.poll()]
    capt = read_capture(g.wav)
    say(f"exit status {status}; settings file {cfg}; transcript ends with {lines[-1]!r};"
        f" {len(capt) // 2 / RATE:.1f} s of sound in a finished wave file")
    return status == 0 and cfg is not None and len(cfg) == 4

if __name__ == "__main__":
    good = main()
    open(os.path.join(OUT, "report.txt"), "w").write("\n".join(report_lines) + "\n")
    print(f"\n{'PASS' if good else 'FAIL'}; everything is in {OUT}")
    sys.exit(0 if good else 1)
PY

python3 "$out/check_real_game.py" "$build" "$out" "$mode" "$(realpath "$(dirname "$0")/../tests/e2e")"
