"""The page's tests in headless Chromium, run side by side (each waits mostly on the game's own
sounds and pauses, so together they take little longer than the longest alone).

Usage: run_page_tests.py SITE_DIR NATIVE_BUILD_DIR
"""
import os
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
site, build = sys.argv[1], sys.argv[2]
if not os.path.exists(os.path.join(site, "dravlen.wasm")):
    print("no browser build in %s: scripts/web.sh build makes it" % site)
    sys.exit(1)
runs = {
    "opening": [sys.executable, os.path.join(here, "opening_test.py"), site, build],
    "speech": [sys.executable, os.path.join(here, "speech_test.py"), site],
}
started = time.monotonic()
procs = {name: subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
         for name, cmd in runs.items()}
status = 0
for name, p in procs.items():
    out, _ = p.communicate(timeout=280)
    print("---- %s (exit %d)\n%s" % (name, p.returncode, out))
    status = status or p.returncode
print("page tests took %.0f s" % (time.monotonic() - started))
sys.exit(status)
