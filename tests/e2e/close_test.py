"""End to end: leaving the real dravlen by other ways than Esc.

1. The window closed at a question: the game leaves at once with status 0, and the settings
   it read at the start are written back unchanged.
2. No voice at all (espeak-ng pointed at an empty data folder): a message box says so, a key
   closes it, and the game ends.
Usage: close_test.py BUILD_DIR
"""
import os, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.dirname(__file__))
import realgame as rg

failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)


def closed_at_a_question(exe):
    # Voice 1, rate 3, voice volume 70, sound volume -500: none of them the defaults.
    game = rg.Game(exe, settings="1\r\n3\r\n70\r\n-500\r\n")
    try:
        lines = game.wait_key_wait(timeout=60)
        check(lines is not None and "instructions?" in lines[-2], "the game waits at the instructions question")
        game.close_request()
        status = game.wait_end(20)
        check(status == 0, f"closing the window at a question ends the game with status 0 (got {status})")
        cfg = [float(v) for v in open(game.cfg).read().split()] if os.path.exists(game.cfg) else []
        check(cfg == [1, 3, 70, -500], f"the settings are kept ({cfg})")
        left, _ = game.capture()
        check(len(left) > 0, "the sound device was closed properly (a finished wave file)")
    finally:
        game.kill()


def no_voice_message(exe):
    empty = tempfile.mkdtemp(prefix="dravlen-novoice-")
    game = rg.Game(exe, env={"ESPEAK_DATA_PATH": empty})
    try:
        box = game.find_window("Dravlen", timeout=20)
        check(box is not None, "a message box appears when there is no voice")
        if box is None:
            return
        check(game.alive(), "the game waits while the message box is open")
        game.key("Return", window=box)
        status = game.wait_end(20)
        check(status is not None, f"a key closes the message box and the game ends (status {status})")
        err = open(os.path.join(game.work, "stderr.txt")).read()
        check("espeak-ng" in err, "standard error says that the speech engine could not start")
    finally:
        game.kill()
        subprocess.run(["rm", "-rf", empty])


def main():
    exe = os.path.join(os.path.realpath(sys.argv[1]), "dravlen")
    with rg.Display():
        closed_at_a_question(exe)
        no_voice_message(exe)
    rg.tidy(failures)
    if failures:
        print(f"{len(failures)} check(s) failed")
        sys.exit(1)
    print("PASS")


if __name__ == "__main__":
    main()
