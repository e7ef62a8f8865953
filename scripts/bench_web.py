"""The browser version's figures beside their targets (not a test): what the page transfers,
compressed; the time from the Start key to the first sound; from a key to silence while the
game speaks; and the CPU the browser's processes take while the game waits for a key.

Usage: bench_web.py SITE_DIR
"""
import gzip
import os
import statistics
import sys
import time

import numpy

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from page_rig import Keys, Page  # noqa: E402

QUESTION = " Would you like to reed the instructions? "


def transfer(site):
    # Everything the page loads before it plays (the source archive is only fetched on request).
    files = ["index.html", "dravlen.js", "dravlen.wasm", "speech-worker.js", "espeak-ng.js", "espeak-ng.data"]
    raw = sum(os.path.getsize(os.path.join(site, f)) for f in files)
    packed = sum(len(gzip.compress(open(os.path.join(site, f), "rb").read(), 9)) for f in files)
    return raw, packed


def browser_cpu_seconds(profile):
    """User and system CPU of every process started with this Chromium profile."""
    total, tick = 0.0, os.sysconf("SC_CLK_TCK")
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            cmd = open("/proc/%s/cmdline" % pid, "rb").read()
            if profile.encode() not in cmd:
                continue
            fields = open("/proc/%s/stat" % pid).read().rsplit(")", 1)[1].split()
            total += (int(fields[11]) + int(fields[12])) / tick
        except OSError:
            continue
    return total


def first_audio(page, after_load):
    """Seconds from the Start key to the first sample the page plays."""
    page.open("?seed=1")
    time.sleep(after_load)
    page.start()
    page.wait(lambda: page.js("return window.__capture.blocks.some(b => b.l.some(x => Math.abs(x) > 1e-4))"), 10)
    opened = page.js("return window.__capture.opened")
    key = [k for k in page.record("keys") if k["key"] == "Enter"][-1]["p"]
    rate = page.js("return window.__capture.contexts[0].sampleRate")
    first = page.js("""
      for (const b of window.__capture.blocks) for (let i = 0; i < b.l.length; ++i)
        if (Math.abs(b.l[i]) > 1e-4 || Math.abs(b.r[i]) > 1e-4) return b.first + i;
      return -1;""")
    return (opened["p"] - key) / 1000 + (first / rate - opened["t"])


def main():
    site = sys.argv[1]
    raw, packed = transfer(site)
    print("transfer, gzip -9:        %5.2f MB (raw %.2f MB)   target <= 3 MB" % (packed / 1e6, raw / 1e6))
    page = Page(site, autoplay=False)
    try:
        cold = first_audio(page, 4.0)
        warm = first_audio(page, 4.0)
        at_once = first_audio(page, 0.0)
        print("Start key to first audio: %4.0f ms (the browser's first audio), %.0f ms (its audio started before),"
              " %.0f ms (pressed as the page loads)   target <= 1000 ms" % (1000 * cold, 1000 * warm, 1000 * at_once))

        # Key to silence: F1 in the middle of the question, which it cuts and asks again.
        at = page.wait_line(QUESTION, 20)
        for _ in range(9):
            time.sleep(0.8)
            page.keys(Keys.F1, gap=0)
            at = page.wait_line(QUESTION, 5, at + 1)
        time.sleep(1.0)
        cuts = []
        for k in [k for k in page.record("keys") if k["key"] == "F1"]:
            rate, l, r = page.audio(k["t"], k["t"] + 0.2)
            level = numpy.maximum(numpy.abs(l), numpy.abs(r))
            w = int(0.003 * rate)
            quiet = next((i for i in range(0, len(level) - w, 4) if level[i:i + w].max() < 1e-3), None)
            if quiet is not None:
                cuts.append(1000 * quiet / rate)
        print("key to silence (recorded output): median %.1f ms of %d, worst %.1f ms   target <= 15 ms median"
              % (statistics.median(cuts), len(cuts), max(cuts)))

    finally:
        page.close()

    # The CPU of the browser while the game waits for a key, its speech over: a page without
    # the recorder, beside the same browser showing an empty page.
    for what, query in (("an empty page", None), ("the game at a key wait", "?seed=1")):
        page = Page(site, autoplay=False, capture=False)
        try:
            if query is None:
                page.driver.get("about:blank")
            else:
                page.open(query)
                page.start()
                page.wait_line(" yes ", 20)
            time.sleep(6.0)
            before, t0 = browser_cpu_seconds(page.profile), time.monotonic()
            time.sleep(10.0)
            used = browser_cpu_seconds(page.profile) - before
            print("browser CPU, %-22s %5.2f %% of a core over %.0f s   target <= 2 %%"
                  % (what + ":", 100 * used / (time.monotonic() - t0), time.monotonic() - t0))
            if query is not None:
                print("  (its audio %s while the game waits)" % page.js("return Dravlen.audio.state"))
        finally:
            page.close()


if __name__ == "__main__":
    main()
