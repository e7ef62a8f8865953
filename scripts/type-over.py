"""Types the weight over its question, as players who know the answer do, and counts how often
the real dravlen reads it whole: the title declined, freight chosen, then "40000" typed at DELAY
ms a key starting AT seconds into the question (still being spoken), then Esc and yes.
A check for the note, not a test: it prints what each try read and the count.
Usage: scripts/type-over.py BUILD_DIR [TRIES=20] [DELAY_MS=30] [AT_S=0.3]
"""
import os, sys, time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import realgame as rg


def one(exe, delay, at):
    game = rg.Game(exe)
    try:
        for _ in range(40):
            lines = game.wait_key_wait(timeout=30)
            if lines is None:
                return "no key wait"
            said = [l for l in lines if "you have chosen to carry" in l or "half a load" in l]
            if said:
                game.press("Escape")
                game.wait_key_wait(timeout=10)
                game.press("Return")
                game.wait_end(20)
                return said[0].strip()
            last = lines[-1].strip()
            if last in ("yes", "no"):
                game.press("n")
            elif last == "1 oranges":
                game.press("2")
            elif last == "2 freight":
                game.press("Return")
            elif "How many pounds" in last:
                time.sleep(at)
                game.type("40000", delay)
                game.press("Return")
            else:
                game.press("Return")
        return "lost its way"
    finally:
        game.kill()


def main():
    build = os.path.realpath(sys.argv[1])
    tries = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    delay = int(sys.argv[3]) if len(sys.argv) > 3 else 30
    at = float(sys.argv[4]) if len(sys.argv) > 4 else 0.3
    whole = 0
    with rg.Display():
        for i in range(tries):
            got = one(os.path.join(build, "dravlen"), delay, at)
            ok = "40000 pounds" in got
            whole += ok
            print(f"try {i + 1}: {got}", flush=True)
    print(f"{whole} of {tries} read 40000 (typed at {delay} ms a key, {at} s into the question)")
    rg.failures.clear()
    rg.finish()


if __name__ == "__main__":
    main()
