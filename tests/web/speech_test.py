"""The page's start, its own voice and its settings, in headless Chromium without the autoplay
flag, as a player's browser starts it.

Checks: before the Start key nothing plays and the game has said nothing; the Start key starts
the audio and does not reach the game; the embedded voice is heard, and a key cuts it to silence
at once; a speech rate set in the game survives a reload of the page (which leaves the game as
closing its window does); with no voice at all, the message comes as a dialog a key closes.

The system's voices (speechSynthesis), through a private speech-dispatcher (its own folder and
socket, the espeak-ng module, ALSA's null device, so nothing is heard and a line takes less than
its spoken length) that Chromium reaches with --enable-speech-dispatcher: the page offers them
after its own, and a Start pressed before the browser has listed them waits for them when the
player's settings hold one, which the daemon then speaks in; F12 steps on to the next, which the
daemon is given to speak; a key cuts a long line (the instructions) at the daemon at once; the
line the game waits for (its last one) has ended at the daemon before the game goes on. What
the page hands speechSynthesis is seen through listeners added beside the page's own; nothing
stands in for the browser's voices.

Usage: speech_test.py SITE_DIR
"""
import os
import sys
import time

import numpy

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page_rig import Keys, Page  # noqa: E402
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import private_speechd  # noqa: E402

QUESTION = " Would you like to reed the instructions? "


failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def main():
    page = Page(sys.argv[1], autoplay=False)
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
        # A few ms as a rule (the benchmark reads the median); the bound leaves room for a busy
        # machine, and a purge that let the line or its chunk play on would still be far beyond it.
        check(len(cuts) == 3 and all(c is not None and c <= 30 for c in cuts),
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
    system_voices(sys.argv[1])
    return 1 if failures else 0


EMBEDDED = 20  # the embedded voices come first; the screen reader is voice 20, then the system's
# Every utterance the page hands speechSynthesis, with when it started, ended or failed (page
# time); and when the game ended.
WATCH = r"""
  window.__said = [];
  const speak = speechSynthesis.speak.bind(speechSynthesis);
  speechSynthesis.speak = (u) => {
    const rec = {text: u.text, voice: u.voice && u.voice.name, queued: performance.now()};
    window.__said.push(rec);
    u.addEventListener('start', () => { rec.start = performance.now(); });
    u.addEventListener('end', () => { rec.end = performance.now(); });
    u.addEventListener('error', (e) => { rec.error = e.error; rec.end = performance.now(); });
    speak(u);
  };
  const ended = Dravlen.gameEnded;
  Dravlen.gameEnded = () => { window.__endedAt = performance.now(); ended(); };
"""


def within(condition, timeout):
    """The condition's first true value within timeout seconds, or its last false one."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def system_voices(site):
    if not private_speechd.installed():
        check(False, "speech-dispatcher and its espeak-ng module are installed (scripts/setup.sh)")
        return
    before = len(failures)
    daemon = private_speechd.PrivateDaemon("dravlen-web-speechd-")
    page = None
    try:
        check(daemon.answers(), "the private speech-dispatcher answers")
        env = dict(os.environ, SPEECHD_ADDRESS="unix_socket:" + daemon.socket)
        page = Page(site, autoplay=False, capture=False, flags=["--enable-speech-dispatcher"], env=env)
        # The player chose the second system voice last time, and presses Start as soon as the
        # page is there: before the browser has listed the daemon's voices (thirteen thousand).
        page.open("?seed=1")
        page.js("localStorage.setItem('dravlen/dravlen/settings/dravlen.cfg', arguments[0])",
                " %d \r\n 0 \r\n 100 \r\n 0 \r\n" % (EMBEDDED + 2))
        page.open("?seed=1")
        page.js(WATCH)
        page.start()
        at = page.wait_line(QUESTION, 20)
        voices = page.js("return Dravlen.speech.voices.map(v => [v.kind, v.name])")
        english = page.js("return speechSynthesis.getVoices().filter(v => /^en/i.test(v.lang)).map(v => v.name)")
        check(len(english) > 2 and voices[EMBEDDED:EMBEDDED + 3] == [["reader", "Screen reader"]] +
              [["system", n + " (browser voice)"] for n in english[:2]] and len(voices) == EMBEDDED + 1 + len(english),
              "the voices offered: %d embedded, the screen reader, then the %d English system voices (%r)"
              % (EMBEDDED, len(english), voices[EMBEDDED:EMBEDDED + 3]))
        english += ["?"] * 3
        first = within(lambda: daemon.spoken()[:1], 10)
        check(first and first[0][0] + " espeak-ng" == english[1],
              "the game starts in the player's system voice, %r, at the daemon (%r)" % (english[1], first))

        # F12 asks in that voice; "n" steps on to the next system voice, which asks again.
        page.wait(lambda: page.js("return Dravlen.inKeyWait && !Dravlen.speech.busy()"), 20, "the question's end")
        page.keys(Keys.F12, gap=0)
        at = page.wait_line("do you want to use this voice", 10, at + 1)
        page.wait(lambda: page.js("return Dravlen.inKeyWait && !Dravlen.speech.busy()"), 10, "the question's end")
        asked = len(daemon.spoken())
        page.keys("n", gap=0)
        reached = within(lambda: [v for v, t in daemon.spoken()[asked:] if "do you want to use this voice" in t], 10)
        check(reached and reached[0] + " espeak-ng" == english[2],
              "F12 and n reach the next system voice, %r, and the daemon speaks in it (%r)" % (english[2], reached))
        page.wait(lambda: page.js("return Dravlen.inKeyWait && !Dravlen.speech.busy()"), 10, "the question's end")
        page.keys("y", gap=0)
        time.sleep(0.5)
        page.wait(lambda: page.js("return Dravlen.inKeyWait && !Dravlen.speech.busy()"), 10, "the key wait after y")

        # Enter: the instructions, long enough to be still speaking at the daemon when a key comes.
        page.keys(Keys.ENTER, gap=0)
        page.wait(lambda: page.js("return window.__said.some(u => u.text.length > 1000 && u.start)"), 10,
                  "the instructions to start")
        time.sleep(0.3)
        key = page.js("return performance.now()")
        page.keys(Keys.DOWN, gap=0)
        within(lambda: page.js("return window.__said.some(u => u.text.length > 1000 && u.end)"), 3)
        long = page.js("return window.__said.find(u => u.text.length > 1000)")
        time.sleep(0.5)
        after = [t for v, t in daemon.spoken()][-3:]
        check(long.get("error") in ("interrupted", "canceled") and long["end"] - key < 300
              and " no " in after[-1:] and "STOP" in daemon.log(),
              "a key cuts the system voice's long line: %s %.0f ms after the key; then the daemon says %r"
              % (long.get("error", "not ended"), long.get("end", 1e9) - key, after[-1:]))

        # Esc and Enter: the game's last line is spoken to its end before the game ends.
        page.wait(lambda: page.js("return Dravlen.inKeyWait && !Dravlen.speech.busy()"), 10, "the key wait")
        page.keys(Keys.ESCAPE, gap=0)
        page.wait(lambda: page.js("return Dravlen.inKeyWait && !Dravlen.speech.busy()"), 10, "the exit question")
        page.keys(Keys.ENTER, gap=0)
        page.wait(lambda: page.js("return Dravlen.ended"), 15, "the end")
        last = page.js("return window.__said.filter(u => /Thank you for playing/.test(u.text))")
        ended = page.js("return window.__endedAt")
        check(len(last) == 1 and last[0].get("end") and not last[0].get("error") and last[0]["end"] <= ended
              and any("Thank you for playing" in t for v, t in daemon.spoken()),
              "the last line, spoken by the daemon, ends before the game does (%r, the game ended at %.0f)"
              % (last, ended or -1))
    finally:
        if page:
            page.close()
        daemon.close(keep=len(failures) > before)


if __name__ == "__main__":
    sys.exit(main())
