"""A story's keys played on the page in headless Chromium, each key given when the game waits
for one, as the runner gives them; the page's transcript must equal the runner's. A check of a
whole game in the browser (a trip to New York takes the game's own time: twenty minutes and
more), not part of the suite.

Usage: check-web-trip.py SITE_DIR NATIVE_BUILD_DIR tests/stories/NAME.keys
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page_rig import Keys, Page  # noqa: E402

NAMED = {"enter": Keys.ENTER, "esc": Keys.ESCAPE, "up": Keys.UP, "down": Keys.DOWN, "left": Keys.LEFT,
         "right": Keys.RIGHT, "space": Keys.SPACE, "bksp": Keys.BACKSPACE, "tab": Keys.TAB,
         "shift": Keys.SHIFT, "ctrl": Keys.CONTROL, "alt": Keys.ALT, "comma": ",", "period": "."}


def key_of(token):
    if token in NAMED:
        return NAMED[token]
    if token.startswith("kp"):
        return getattr(Keys, "NUMPAD" + token[2])
    if token.startswith("f") and len(token) > 1:
        return getattr(Keys, token.upper())
    return token


def main():
    site, build, story = sys.argv[1:4]
    seed, tokens = 1, []
    for line in open(story):
        words = line.split()
        if not words or line.startswith("#"):
            continue
        if words[0] == "seed":
            seed = int(words[1])
        elif words[0] in ("settings", "voices"):
            raise SystemExit("stories with settings or a voice count are not played here")
        else:
            tokens += words
    folder = tempfile.mkdtemp(prefix="dravlen-webtrip-")
    subprocess.run([os.path.join(build, "dravlen-script"), "--seed", str(seed), "--keys", " ".join(tokens),
                    "--dir", folder], cwd=folder, stdout=subprocess.DEVNULL)
    with open(os.path.join(folder, "dravlog.txt"), newline="") as f:
        expected = f.read().split("\r\n")[:-1]

    page = Page(site, capture=False)
    started = time.monotonic()
    try:
        page.open("?seed=%d&embedded=off" % seed)
        page.start()
        seen = 0
        for i, token in enumerate(tokens):
            page.wait(lambda: page.js("return Dravlen.inKeyWait && Dravlen.keyWaits > arguments[0]", seen) or
                      page.js("return Dravlen.ended"), 600, "a key wait for key %d (%s)" % (i + 1, token))
            if page.js("return Dravlen.ended"):
                print("the game ended before key %d of %d" % (i + 1, len(tokens)))
                break
            seen = page.js("return Dravlen.keyWaits")
            page.keys(key_of(token), gap=0)
        page.wait(lambda: page.js("return Dravlen.ended"), 600, "the end of the game")
        got = page.transcript()
    finally:
        page.close()
    same = got == expected
    print("%s: %d transcript lines on the page, %d from the runner, %s; %.0f s"
          % (os.path.basename(story), len(got), len(expected), "the same" if same else "DIFFERENT",
             time.monotonic() - started))
    if not same:
        for i, (g, e) in enumerate(zip(got + [""] * len(expected), expected + [""] * len(got))):
            if g != e:
                print("  first difference at line %d: page %r, runner %r" % (i + 1, g, e))
                break
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
