"""End to end: leaving the real dravlen by other ways than Esc.

1. The window closed at a question, or destroyed from outside (no close request: the X window
   itself gone): the game leaves at once with status 0, and the settings it read at the start
   are written back unchanged (the file is removed first, so they must be written).
2. No voice at all (espeak-ng pointed at an empty data folder): a message box says so, a key
   closes it, and the game ends.
Usage: close_test.py BUILD_DIR
"""
import os, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.dirname(__file__))
import realgame as rg


def left_at_a_question(exe, how):
    # Voice 1, rate 3, voice volume 70, sound volume -500: none of them the defaults.
    game = rg.Game(exe, settings="1\r\n3\r\n70\r\n-500\r\n")
    try:
        lines = game.wait_key_wait(timeout=60)
        rg.check(lines is not None and "instructions?" in lines[-2], "the game waits at the instructions question")
        os.remove(game.cfg)  # read at the start; written again only on the way out
        if how == "closed":
            game.close_request()
        else:
            game.destroy_window()
        status = game.wait_end(20)
        rg.check(status == 0, f"the window {how} at a question: the game ends with status 0 (got {status})")
        text = open(game.cfg, newline="").read() if os.path.exists(game.cfg) else ""
        cfg = [float(v) for v in text.split("\r\n")[:-1]]
        rg.check(text.endswith("\r\n") and cfg == [1, 3, 70, -500],
                 f"the window {how}: the settings are written, 4 lines ({text!r})")
        err = open(os.path.join(game.work, "stderr.txt")).read()
        rg.check("X Error" not in err and "X connection" not in err, f"the window {how}: no X error ({err.strip()!r})")
        left, _ = game.capture()
        rg.check(len(left) > 0, f"the window {how}: the sound device was closed properly (a finished wave file)")
    finally:
        game.kill()


def no_voice_message(exe):
    empty = tempfile.mkdtemp(prefix="dravlen-novoice-")
    game = rg.Game(exe, env={"ESPEAK_DATA_PATH": empty})
    try:
        box = game.find_window("Dravlen", timeout=20)
        rg.check(box is not None, "a message box appears when there is no voice")
        if box is None:
            return
        rg.check(game.alive(), "the game waits while the message box is open")
        game.key("Return", window=box)
        status = game.wait_end(20)
        rg.check(status is not None, f"a key closes the message box and the game ends (status {status})")
        err = open(os.path.join(game.work, "stderr.txt")).read()
        rg.check(any(l.startswith("Dravlen: ") and "espeak-ng" in l for l in err.splitlines()),
                 f"standard error says that the speech engine could not start ({err.strip()!r})")
    finally:
        game.kill()
        subprocess.run(["rm", "-rf", empty])


def main():
    exe = os.path.join(os.path.realpath(sys.argv[1]), "dravlen")
    with rg.Display():
        left_at_a_question(exe, "closed")
        left_at_a_question(exe, "destroyed")
        no_voice_message(exe)
    rg.finish()


if __name__ == "__main__":
    main()
