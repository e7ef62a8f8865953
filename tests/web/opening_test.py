"""A whole opening played by keys on the page in headless Chromium (the set-up, four driving
hours with a truck stop in the last, then Esc and yes), heard through the player's
screen reader voice so that the recorded output holds the sounds alone.

Checks: the page's transcript for ?seed=3 equals the native runner's for the same seed and keys,
line for line (the weight typed at 30 ms a key over its question, and the Start key, which must
not reach the game); the screen reader's live regions got every line in order, a line said twice
announced twice; the engine loop's pitch at the start speed and at 20 MPH stands in the ratio the
game set; a sound panned right is louder on the right, one in the centre is not; the game ends
with the page offering to play again.

Usage: opening_test.py SITE_DIR NATIVE_BUILD_DIR
"""
import json
import os
import subprocess
import sys
import tempfile
import wave

import numpy

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page_rig import Keys, Page  # noqa: E402

SEED = 3
# The questions, and the keys typed over each as soon as it is written.
STEPS = [
    (" Would you like to reed the instructions? ", ["n"]),
    ("Would you like to reed the special key instructions?", ["n"]),
    (" Which type of cargo do you want? ", [Keys.ENTER]),
    (" How many pounds will you carry", ["4", "0", "0", "0", "0", Keys.ENTER]),
    ("Is this correct?", [Keys.ENTER]),
    (" Which truck do you wish to drive? ", [Keys.ENTER]),
    ("Do you want replacements?", [Keys.ENTER]),
    ("Which type do you want", [Keys.ENTER]),
    ("     How many", ["2", Keys.ENTER]),
    ("Which route do you choose?", [Keys.ENTER]),
    (" How fast do you wish to go? ", ["2", "0"]),
    (" How fast do you wish to go? ", [Keys.ENTER]),  # the same speed again, for three hours
    (" How fast do you wish to go? ", [Keys.ENTER]),
    (" Truck stop ahead.  Do you want to stop? ", ["y"]),
    ("     How many gallons do you want", ["0", Keys.ENTER]),
    (" Do you want to get some sleep? ", ["n"]),
    (" How fast do you wish to go? ", [Keys.ESCAPE]),
    (" exit game? ", ["y"]),
]
RUNNER_KEYS = "n n enter 4 0 0 0 0 enter enter enter enter enter 2 enter enter 2 0 enter enter y 0 enter n esc y"
# The engine is measured at the first two speed questions (the start speed, then 20 MPH), where
# nothing else plays while the question waits.
MEASURED_QUESTIONS = 2


def runner(build):
    """The native runner's transcript and engine frequencies at the speed questions."""
    folder = tempfile.mkdtemp(prefix="dravlen-opening-")
    subprocess.run([os.path.join(build, "dravlen-script"), "--seed", str(SEED), "--keys", RUNNER_KEYS,
                    "--dir", folder, "--events", os.path.join(folder, "events.jsonl")],
                   cwd=folder, check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(folder, "dravlog.txt"), newline="") as f:
        lines = f.read().split("\r\n")[:-1]
    engine, frequency, at_questions = None, {}, []
    for line in open(os.path.join(folder, "events.jsonl")):
        e = json.loads(line)
        if e["op"] == "sound.load" and e.get("sound") == 46:
            engine = e["id"]
        if e["op"] == "sound.frequency":
            frequency[e["id"]] = e.get("to", e.get("value"))
        if e["op"] == "speak" and e["text"] == " How fast do you wish to go? ":
            at_questions.append(frequency.get(engine, 22050))
    return lines, at_questions


def playback_rate(rate, window, reference, reference_rate):
    """The rate at which the reference recording plays in the window: the shift that best lines
    up their log-frequency spectra (matched against the whole spectrum, so no octave slips)."""
    grid = numpy.exp(numpy.linspace(numpy.log(30), numpy.log(6000), 6000))
    def spectrum(x, r):
        m = numpy.abs(numpy.fft.rfft(x * numpy.hanning(len(x))))
        s = numpy.interp(grid, numpy.fft.rfftfreq(len(x), 1 / r), m)
        s = numpy.log(s / (s.max() + 1e-12) + 1e-3)
        return s - s.mean()
    w, ref = spectrum(window, rate), spectrum(reference, reference_rate)
    best, shift = -1e18, 0
    for k in range(-1500, 600):  # a playback rate from about a quarter to one and a half
        c = numpy.dot(w[max(0, k):len(w) - max(0, -k)], ref[max(0, -k):len(ref) - max(0, k)]) / (len(w) - abs(k))
        if c > best:
            best, shift = c, k
    return float(numpy.exp(shift * numpy.log(grid[1] / grid[0])))


def wave_samples(path):
    with wave.open(path) as w:
        x = numpy.frombuffer(w.readframes(w.getnframes()), dtype=numpy.int16).astype(float) / 32768
        return w.getframerate(), x


def wave_seconds(path):
    with wave.open(path) as w:
        return w.getnframes() / w.getframerate()


def main():
    site, build = sys.argv[1], sys.argv[2]
    expected, engine_hz = runner(build)
    page = Page(site)
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    try:
        page.open("?seed=%d&embedded=off" % SEED)
        page.start()
        after, question_times = 0, []
        for text, keys in STEPS:
            after = page.wait_line(text, 40, after)
            if text == " How fast do you wish to go? " and len(question_times) < MEASURED_QUESTIONS:
                # Only the engine plays while the question waits: a second of it, then the keys.
                t = page.js("return window.__capture.contexts[0].currentTime")
                page.wait(lambda: page.js("return window.__capture.contexts[0].currentTime") > t + 1.2, 5)
                question_times.append(t)
            page.keys(*keys, gap=0.03)
            after += 1
        page.wait(lambda: page.js("return Dravlen.ended"), 30, "the end of the game")

        got = page.transcript()
        check(got == expected, "the page's transcript equals the runner's (%d lines, %d expected)" % (len(got), len(expected)))
        if got != expected:
            for i, (g, e) in enumerate(zip(got + [""] * len(expected), expected + [""] * len(got))):
                if g != e:
                    print("  first difference at line %d: page %r, runner %r" % (i + 1, g, e))
                    break
        check(page.js("return document.activeElement.id") == "again" and page.js("return !Dravlen.el('again').hidden"),
              "the page offers to play again, with the focus on it")

        announced = [a["text"] for a in page.record("announced")]
        it = iter(announced)
        check(all(any(a == line for a in it) for line in expected if line),
              "every spoken line reached the screen reader's live regions, in order (%d announced)" % len(announced))
        regions = [a["region"] for a in page.record("announced")]
        check(all(regions[i] != regions[i + 1] for i in range(len(regions) - 1)),
              "the two live regions are written in turn")
        check(announced.count(" yes ") >= expected.count(" yes ") >= 2, "a line said again is announced again")

        ref_rate, ref = wave_samples(os.path.join(build, "dravlen46.wav"))
        heard = []
        for t in question_times:
            rate, l, r = page.audio(t + 0.15, t + 1.15)
            heard.append(playback_rate(rate, l + r, ref[:2 * ref_rate], ref_rate) * ref_rate)
        engine_hz = engine_hz[:MEASURED_QUESTIONS]
        check(all(abs(h / w - 1) < 0.02 for h, w in zip(heard, engine_hz)) and len(heard) == MEASURED_QUESTIONS,
              "the engine plays at %s Hz at the start speed and at 20 MPH; the game set %s Hz"
              % ([round(h) for h in heard], engine_hz))
        if os.environ.get("DRAVLEN_WEB_DUMP"):
            rate, l, r = page.audio(0, page.js("return window.__capture.contexts[0].currentTime"))
            numpy.save(os.environ["DRAVLEN_WEB_DUMP"], numpy.stack([l, r]))
            json.dump(page.record("starts"), open(os.environ["DRAVLEN_WEB_DUMP"] + ".json", "w"))

        # The sounds' starts, by their length, in the order the game played them: hour 1 plays
        # sound 22 in the centre, then sound 10 panned right (the runner's events say so too).
        starts = page.record("starts")
        def level(sound, after):
            """How loud the sound came out on the right against the left: its own amplitude in each
            channel, fitted to the sound's wave file (the engine under it is not correlated with it)."""
            rate_in, wave_in = wave_samples(os.path.join(build, "dravlen%d.wav" % sound))
            seconds = len(wave_in) / rate_in
            s = [x for x in starts if abs(x["duration"] - seconds) < 1e-3 and x["t"] > after]
            if not s:
                return None, after
            at = max(s[0]["when"], s[0]["t"])
            rate, l, r = page.audio(at - 0.02, at + seconds / s[0]["rate"] + 0.1)
            ref = numpy.interp(numpy.arange(int(seconds * rate)) * rate_in * s[0]["rate"] / rate,
                               numpy.arange(len(wave_in)), wave_in)
            lag = max(range(0, int(0.04 * rate)), key=lambda k: abs(numpy.dot(l[k:k + len(ref)] + r[k:k + len(ref)], ref)))
            amp = lambda ch: numpy.dot(ch[lag:lag + len(ref)], ref) / numpy.dot(ref, ref)
            return float(amp(r) / amp(l)), at
        centre, at = level(22, question_times[0])
        right, _ = level(10, at)
        check(right is not None and right > 3, "sound 10, panned right, is louder on the right: R/L %s" % right)
        check(centre is not None and 0.95 < centre < 1.05, "sound 22, in the centre, is even: R/L %s" % centre)
    finally:
        page.close()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
