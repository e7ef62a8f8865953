"""End to end: the player's own speech-dispatcher voice in the real dravlen.

A private speech-dispatcher (its own configuration folder and socket, the espeak-ng module,
ALSA's null device, so nothing is heard) and the real game under Xvfb, pointed at it by
SPEECHD_ADDRESS and started with no D-Bus session bus: D-Bus then tries to start a helper, whose
end (a SIGCHLD) comes while the game is listing the daemon's voices, as on many desktops.
The settings start at the last embedded voice. At the first question, F12 and "n" step on until
the daemon itself says "do you want to use this voice"; "y" keeps that voice, Esc and Enter
leave. The daemon must say the exit question and the thank-you line, and the settings written
on the way out must hold the chosen voice's number.
Usage: speechd_test.py BUILD_DIR [STARTS]   (STARTS games, one after another; default 1)
"""
import os, sys

sys.path.insert(0, os.path.dirname(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
import realgame as rg
from private_speechd import DAEMON, MODULES, PrivateDaemon

LAST_EMBEDDED = 19  # the embedded engine offers 20 voices where espeak-ng has them all


def one_start(exe, n):
    """One game; True when every check passed."""
    before = len(rg.failures)
    daemon = PrivateDaemon()
    if not rg.check(daemon.answers(), f"start {n}: the private speech-dispatcher answers"):
        daemon.close()
        return False
    game = rg.Game(exe, settings=f" {LAST_EMBEDDED} \r\n 0 \r\n 90 \r\n 0 \r\n",
                   env={"SPEECHD_ADDRESS": "unix_socket:" + daemon.socket})
    try:
        game.key("shift")  # cuts the opening sound short
        lines = game.wait_key_wait(timeout=60)
        if not rg.check(lines is not None and "instructions?" in lines[-2],
                        f"start {n}: the game waits at the instructions question"):
            return False
        # F12, then "n" until the daemon asks; round the embedded voices once at most.
        voice, asked = LAST_EMBEDDED, len(daemon.said())
        game.key("F12")
        game.wait_key_wait(timeout=30)
        for _ in range(LAST_EMBEDDED + 1):
            if daemon.says(asked, "do you want to use this voice", within=1.5):
                break
            asked = len(daemon.said())
            game.key("n")
            voice += 1
            game.wait_key_wait(timeout=30)
        reached = daemon.says(asked, "do you want to use this voice", within=1.5)
        if not rg.check(reached, f"start {n}: F12 reaches a speech-dispatcher voice (voice {voice})"):
            return False
        game.key("y")
        game.wait_key_wait(timeout=30)
        asked = len(daemon.said())
        game.key("Escape")
        game.wait_key_wait(timeout=30)
        rg.check(daemon.says(asked, "exit game?", within=5), f"start {n}: the daemon asks \"exit game?\"")
        game.key("Return")
        status = game.wait_end(30)
        rg.check(status == 0, f"start {n}: the game ends with status 0 (got {status})")
        rg.check(daemon.says(asked, "Thank you for playing Dravlen By Brannock", within=1),
                 f"start {n}: the daemon says the thank-you line")
        cfg = open(game.cfg, newline="").read().split() if os.path.exists(game.cfg) else []
        rg.check(cfg[:1] == [str(voice)], f"start {n}: the settings keep voice {voice} ({cfg})")
    finally:
        game.kill()
        daemon.close(keep=len(rg.failures) > before)
    return len(rg.failures) == before


def main():
    exe = os.path.join(os.path.realpath(sys.argv[1]), "dravlen")
    starts = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    rg.need_tools(DAEMON, os.path.join(MODULES, "sd_espeak-ng"))
    # No session bus: D-Bus tries to start one, and its helper's end is the signal.
    os.environ.pop("DBUS_SESSION_BUS_ADDRESS", None)
    passed = 0
    with rg.Display():
        for n in range(1, starts + 1):
            passed += one_start(exe, n)
    print(f"{passed} of {starts} starts reached and kept the speech-dispatcher voice")
    rg.finish()


if __name__ == "__main__":
    main()
