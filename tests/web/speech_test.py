"""The page's start, its own voice and its settings, in headless Chromium without the autoplay
flag, as a player's browser starts it.

Checks: before the Start key nothing plays and the game has said nothing; the Start key starts
the audio and does not reach the game; the embedded voice is heard, and a key cuts it to silence
at once; a speech rate set in the game survives a reload of the page (which leaves the game as
closing its window does); with no voice at all, the message comes as a dialog a key closes.

Usage: speech_test.py SITE_DIR
"""
import os
import sys
import time

import numpy

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page_rig import Keys, Page  # noqa: E402

QUESTION = " Would you like to reed the instructions? "


def main():
    page = Page(sys.argv[1], autoplay=False)
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    try:
        page.open("?seed=1")
        time.sleep(1.0)
        running = page.js("return window.__capture.contexts.filter(c => c.state == 'running').length")
        check(running == 0 and page.transcript() == [] and not page.js("return Dravlen.started"),
              "before the Start key no audio runs and the game has said nothing")

        page.start()
        at = page.wait_line(QUESTION, 20)
        page.wait_line(" yes ", 5, at)
        check(page.js("return Dravlen.audio.state") == "running", "the Start key starts the audio")
        time.sleep(0.8)
        lines = page.transcript()
        check(lines[-2:] == [QUESTION, " yes "],
              "the Start key did not reach the game: it still asks, yes offered (%r)" % lines[-3:])

        # The question is being spoken: a key cuts it. F1 asks it again: three times, each in
        # the middle of the sentence.
        cuts, levels = [], []
        for n in range(3):
            page.keys(Keys.F1, gap=0)
            at = page.wait_line(QUESTION, 5, at + 1)
            time.sleep(0.7)
        time.sleep(0.3)
        presses = [k["t"] for k in page.record("keys") if k["key"] == "F1"]
        for key in presses + [None]:
            if key is None:
                break
            rate, l, r = page.audio(key - 0.2, key + 0.2)
            level = numpy.maximum(numpy.abs(l), numpy.abs(r))
            before, after = level[: int(0.2 * rate)], level[int(0.2 * rate):]
            levels.append(float(numpy.sqrt(numpy.mean(before ** 2))))
            # Silent: 3 ms in which nothing reaches the output (the next line starts a few ms on).
            window = int(0.003 * rate)
            quiet = next((i for i in range(0, len(after) - window, 8) if after[i:i + window].max() < 1e-3), None)
            cuts.append(None if quiet is None else round(1000 * quiet / rate, 1))
            if os.environ.get("DRAVLEN_WEB_DEBUG"):
                print([round(float(after[i:i + int(rate / 1000)].max()), 4) for i in range(0, int(0.1 * rate), int(rate / 1000))])
        check(len(levels) == 3 and min(levels) > 0.01, "the question is heard in the embedded voice (RMS %s)" % levels)
        check(len(cuts) == 3 and all(c is not None and c <= 15 for c in cuts),
              "a key cuts the speech to silence: quiet %s ms after the keys" % cuts)

        # The speech rate, up two steps, then the page is reloaded.
        page.keys(Keys.CONTROL, gap=0)
        page.wait(lambda: page.js("return Dravlen.speech.rate") == 0, 5)
        time.sleep(0.3)
        page.keys(Keys.UP, Keys.UP, Keys.ENTER, gap=0.1)
        page.wait(lambda: page.js("return Dravlen.speech.rate") == 2, 5, "the rate at 2")
        time.sleep(0.6)
        page.driver.refresh()
        page.wait(lambda: page.js("return typeof Dravlen == 'object'"), 10)
        stored = page.js("return localStorage.getItem('dravlen/dravlen/settings/dravlen.cfg')") or ""
        check(stored.split("\r\n")[1:2] == [" 2 "], "the settings file kept by the page holds rate 2: %r" % stored)
        page.start()
        page.wait_line(QUESTION, 20)
        check(page.js("return Dravlen.speech.rate") == 2, "after the reload the game speaks at rate 2")

        # No voice at all: the message, in a dialog that a key closes; then the game ends.
        page.open("?seed=1&embedded=off&reader=off&system=off")
        page.start()
        page.wait(lambda: page.js("return Dravlen.messageOpen"), 10, "the message dialog")
        text = page.js("return Dravlen.el('message-text').textContent")
        focused = page.js("return document.activeElement.id")
        page.keys(Keys.SPACE, gap=0)
        page.wait(lambda: page.js("return Dravlen.ended"), 10, "the end after the message")
        check(text.startswith("Sorry but I couldn't find any voices to use") and focused == "message-ok",
              "with no voice the message is a focused dialog that a key closes (%r)" % text)
    finally:
        page.close()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
