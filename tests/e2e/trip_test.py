"""End to end: the real dravlen played by real keys from the title to Esc and yes.

Both title offers (each read, then declined), a trip set-up typed the way players type (the
cargo chosen at 15 ms a key, the weight typed at 30 ms a key over its question while it is
still being spoken), driving hours at 20 and then 55 MPH, the truck stop of the fourth hour,
and the ending.
Checks the caption, the transcript, the settings file, the exit status and, in the captured
output: speech where speech was due, speech that a key cuts falling silent, the engine loop's
pitch at two speeds and a panned traffic sound heard on both channels.
Usage: trip_test.py BUILD_DIR
"""
import os, re, sys, time

sys.path.insert(0, os.path.dirname(__file__))
import realgame as rg

# Driving hours at the least; more are driven (up to MAX_HOURS) until a passing vehicle has been
# heard on one side, which each hour's traffic roll gives about one time in two.
HOURS = 2
MAX_HOURS = 9


class Player:
    """Chooses the keys at each key wait from what was said last."""

    def __init__(self):
        self.asked = {}
        self.speeds = 0
        self.marks = {}  # name -> capture frame

    def keys(self, game, lines):
        last = lines[-1] if lines else ""
        q = last.strip()
        if q in ("yes", "no"):
            question = next((l for l in reversed(lines) if l.strip() not in ("yes", "no")), "")
            n = self.asked[question] = self.asked.get(question, 0) + 1
            if "reed the instructions" in question or "special key instructions" in question:
                return ["y" if n == 1 else "n"]
            if "exit game?" in question:
                return ["Return"]
            if "Is this correct?" in question:
                # The first weight is typed over its question; the set-up is then done again,
                # and the second is typed after a key has cut the question (see weight()).
                return ["n" if n == 1 else "y"]
            for key, ans in (("Do you want replacements?", "y"),
                             ("Truck stop ahead", "y"), ("buy a tire?", "n"), ("buy more?", "n")):
                if key in question:
                    return [ans]
            if "get some sleep?" in question:
                return ["n"]
            print("note: unknown yes/no question:", question)
            return ["Return"]
        if q == "1 oranges":
            # Over the menu's own speech, 15 ms apart: each key moves on and speaks the next item.
            self.cargo = self.asked["cargo"] = self.asked.get("cargo", 0) + 1
            return ["fast:Down Down Up Return"] if self.cargo == 1 else ["2"]
        if q in ("2 freight", "freight liner", "northern", "new", "1"):
            return ["Return"]
        if "How many pounds" in last:
            return ["weight"]
        if "How many hours of rest" in last:
            return ["8", "Return"]
        if "How many gallons" in last:
            return ["5", "0", "Return"]
        if "press any key" in last:
            return ["space"]
        if "How fast do you wish to go?" in last:
            self.speeds += 1
            if self.speeds == 2:
                self.hold(game, "engine 20")
            if self.speeds == 3:
                self.hold(game, "engine 55")
            if self.speeds > HOURS and (self.speeds > MAX_HOURS or panned_on_both_sides(*game.capture_so_far())):
                return ["Escape"]
            return {1: ["2", "0", "Return"], 2: ["5", "5", "Return"]}.get(self.speeds, ["5", "5", "Return"])
        print("note: unknown key wait after:", repr(last))
        return ["Return"]

    def hold(self, game, name):
        # The question is spoken, then the key wait is quiet but for the engine loop.
        time.sleep(4.5)
        self.marks[name] = game.frames()

    def press(self, game, k):
        """Sends what keys() chose: a key, a run of keys 15 ms apart, or the weight."""
        if k == "weight":
            self.weight(game)
        elif k.startswith("fast:"):
            game.press(*k[5:].split(), delay_ms=15)
        else:
            game.press(k)

    def weight(self, game):
        self.weights = getattr(self, "weights", 0) + 1
        if self.weights == 1:
            # Typed over the question 0.3 s into it, at 30 ms a key: the first digit cuts the
            # question, and every digit must still reach the game.
            time.sleep(0.3)
            game.type("40000", 30)
        else:
            # Shift cuts the question in the middle (typed entry answers it with silence), then
            # the weight is typed at 30 ms a key.
            time.sleep(1.0)
            self.marks["shift"] = game.frames()
            game.key("shift")
            time.sleep(1.5)
            game.type("40000", 30)
        game.press("Return")


def main():
    build = os.path.realpath(sys.argv[1])
    with rg.Display():
        # Speech at the game's fastest rate, as practised players have it: the run hears every
        # line it needs in less than half the time.
        game = rg.Game(os.path.join(build, "dravlen"), settings=" 0 \r\n 10 \r\n 90 \r\n 0 \r\n")
        try:
            run(game, build)
        finally:
            game.kill()
    rg.finish()


def run(game, build):
    rg.check(game.window is not None, "a window captioned \" Dravlen  By Brannock \" appears")
    if game.window is None:
        return
    rg.check(game.caption() == " Dravlen  By Brannock ", "the caption stays \" Dravlen  By Brannock \"")
    player = Player()
    waits = 0
    pending = []
    while True:
        lines = game.wait_key_wait(timeout=120)
        if lines is None:
            break
        waits += 1
        if not pending:
            pending = player.keys(game, lines)
        k = pending.pop(0)
        player.press(game, k)
        if waits > 400:
            break
    status = game.wait_end(60)
    lines = game.lines()
    rg.check(status == 0, f"exit status 0 after Esc and yes (got {status})")

    text = "\n".join(lines)
    rg.check(lines[:2] == ["Dravlen. version 3", " By Brannock "], "the title is spoken first")
    rg.check("Special key instructions. f1 repeat current prompt." in text and
             "Truck stops are also the only places where you can sleep" in text,
             "both title offers were taken (instructions and special keys read)")
    chosen = [l for l in lines if "you have chosen to carry" in l]
    rg.check(chosen == [" you have chosen to carry  40000 pounds of freight. Is this correct?"] * 2,
             f"Down Down Up Enter at 15 ms a key chose freight, and 40000 typed at 30 ms a key over "
             f"the question, and after a cut, reached the game whole ({chosen})")
    rg.check(sum("How fast do you wish to go?" in l for l in lines) > HOURS, f"{HOURS} driving hours asked the speed")
    rg.check("Truck stop ahead" in text and any("Diesel fuel costs" in l for l in lines) and
             any("How many gallons" in l for l in lines), "a truck stop was offered, taken, and sold diesel")
    rg.check(any("exit game?" in l for l in lines), "Esc asked whether to leave")
    cfg = open(game.cfg).read().split() if os.path.exists(game.cfg) else []
    rg.check(len(cfg) == 4 and all(re.fullmatch(r"-?\d+(\.\d+)?", v) for v in cfg),
             f"the settings file holds four numbers ({cfg})")

    left, right = game.capture()
    total = len(left)
    print(f"captured {total / rg.RATE:.1f} s")
    # Speech where it was due: the title, the weight question, the first hour's report.
    for what in ("Dravlen. version 3", "How many pounds", "Approximate fuel"):
        f = game.frame_of(what)
        level = rg.rms(left, f - rg.RATE // 2, f + rg.RATE) if f is not None else 0
        rg.check(level > 0.01, f"speech heard around \"{what}\" (level {level:.3f})")
    # The question cut by Shift: speech before the key, silence soon after it.
    k = player.marks.get("shift", 0)
    before = rg.rms(left, k - rg.RATE // 4, k)
    after = rg.rms(left, k + rg.RATE * 4 // 10, k + rg.RATE)
    rg.check(before > 0.01 and after < 0.002,
             f"a key falls on speech and it stops (level {before:.3f} before, {after:.4f} from 0.4 s after)")
    # The engine loop's pitch follows the speed: 55 MPH against 20 MPH.
    if "engine 20" in player.marks and "engine 55" in player.marks:
        hz = {s: rg.dominant_hz(game.wav, player.marks[f"engine {s}"] / rg.RATE - 2.0, 2.0, 10, 400)
              for s in (20, 55)}
        ratio = hz[55] / hz[20]
        rg.check(abs(ratio / (55 / 20) - 1) < 0.05,
                 f"engine pitch at 55 MPH / at 20 MPH = {ratio:.3f} (wanted {55 / 20:.3f}; {hz[20]:.1f} and {hz[55]:.1f} Hz)")
    else:
        rg.check(False, "the engine was heard at 20 and 55 MPH")
    rg.check(panned_on_both_sides(left, right), "a panned traffic sound is heard on both channels, louder on its own side")


def panned_on_both_sides(left, right):
    """Centred sounds (engine, speech, weather) are the same on both sides, so the difference
    of the sides is the panned sound alone: S(1 - g), g the far side's gain. Against it, the
    near side carries S and the far side g S: their covariances with the difference give g."""
    block = rg.RATE // 50
    n = len(left) // block
    active = [max(abs(left[i] - right[i]) for i in range(b * block, (b + 1) * block, 4)) > 600 for b in range(n)]
    best = None
    b = 0
    while b < n:
        if active[b]:
            e = b
            while e < n and active[e]:
                e += 1
            if e - b >= 10 and (best is None or e - b > best[1] - best[0]):
                best = (b, e)
            b = e
        b += 1
    if best is None:
        print("no panned sound found in the capture")
        return False
    f0, f1 = best[0] * block, best[1] * block
    l, r = left[f0:f1], right[f0:f1]
    d = [a - c for a, c in zip(l, r)]
    md = sum(d) / len(d)
    def cov(x):
        mx = sum(x) / len(x)
        return sum((a - mx) * (c - md) for a, c in zip(x, d))
    cl, cr = cov(l), cov(r)
    near, far = (cl, cr) if abs(cl) >= abs(cr) else (cr, cl)
    g = far / near if near else 0
    side = "left" if abs(cl) >= abs(cr) else "right"
    print(f"panned sound at {f0 / rg.RATE:.1f}-{f1 / rg.RATE:.1f} s, on the {side}; far side at {g:.2f} of the near side")
    return 0.05 < g < 0.6


if __name__ == "__main__":
    main()
