"""End to end: dravlen installed into a fresh prefix runs from there and plays its opening sound.

Installs the build with `cmake --install`, checks the layout (program, 45 sounds, menu entry,
manual page), the options that must not open anything, and then starts the installed program
under Xvfb: the opening sound (dravlen1.wav, found in PREFIX/share/dravlen) must be in the
captured output before the title is spoken.
Usage: install_test.py BUILD_DIR
"""
import array, os, shutil, subprocess, sys, tempfile

sys.path.insert(0, os.path.dirname(__file__))
import realgame as rg


def envelope(x, rate, step_s=0.05):
    n = int(rate * step_s)
    return [sum(abs(v) for v in x[i:i + n]) / n for i in range(0, len(x) - n, n)]


def correlation(a, b):
    n = min(len(a), len(b))
    a, b = a[:n], b[:n]
    ma, mb = sum(a) / n, sum(b) / n
    num = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    den = (sum((x - ma) ** 2 for x in a) * sum((y - mb) ** 2 for y in b)) ** 0.5
    return num / den if den else 0


def main():
    build = os.path.realpath(sys.argv[1])
    rg.need_tools("Xvfb", "xdotool", "sox", "cmake")
    prefix = tempfile.mkdtemp(prefix="dravlen-prefix-")
    try:
        r = subprocess.run(["cmake", "--install", build, "--prefix", prefix], capture_output=True, text=True)
        rg.check(r.returncode == 0, "cmake --install succeeds" + ("" if r.returncode == 0 else ": " + r.stderr))
        exe = os.path.join(prefix, "bin", "dravlen")
        sounds = sorted(os.listdir(os.path.join(prefix, "share", "dravlen")))
        wanted = sorted(f"dravlen{n}.wav" for n in range(1, 47) if n != 42)
        rg.check(os.access(exe, os.X_OK), "PREFIX/bin/dravlen is installed")
        rg.check(sounds == wanted, f"PREFIX/share/dravlen holds the sound pack, 1 to 46 without 42 ({len(sounds)} files)")
        entry = open(os.path.join(prefix, "share", "applications", "dravlen.desktop")).read()
        rg.check("Categories=Game;" in entry and "Exec=dravlen" in entry and "Comment=Audio game" in entry,
                 "the menu entry is a game, says it is an audio game and starts dravlen")
        rg.check(os.path.exists(os.path.join(prefix, "share", "man", "man6", "dravlen.6")), "the manual page is installed")

        # Options are answered without a display or a sound device.
        quiet = dict(os.environ, DISPLAY="", ALSOFT_DRIVERS="no-such-backend")
        help_text = ("Usage: dravlen [--help | --version]\n"
                     "Dravlen, a self-voicing trucking game played from the keyboard by ear.\n"
                     "Run without options to play; every word is spoken.\n")
        for opt, want in (("--help", help_text), ("--version", "dravlen ")):
            r = subprocess.run([exe, opt], capture_output=True, text=True, env=quiet, timeout=10)
            rg.check(r.returncode == 0 and r.stdout.startswith(want), f"{opt} prints and exits 0 ({r.stdout!r})")
        rg.check("GPL-3.0-or-later" in r.stdout, "--version names the licence")
        r = subprocess.run([exe, "--fast"], capture_output=True, text=True, env=quiet, timeout=10)
        rg.check(r.returncode == 2 and "--fast" in r.stderr, f"an unknown option is a usage error, status 2 ({r.returncode})")

        with rg.Display():
            game = rg.Game(exe)
            try:
                lines = game.wait_key_wait(timeout=60)
                rg.check(lines is not None, "the installed game reaches its first question")
                title = game.frame_of("Dravlen. version 3")
                game.close_request()
                status = game.wait_end(20)
                rg.check(status == 0, f"and leaves with status 0 when its window is closed ({status})")
                left, _ = game.capture()
            finally:
                game.kill()
        # The opening sound, as the file has it, against what was played before the title.
        raw = os.path.join(prefix, "one.raw")
        subprocess.run(["sox", os.path.join(prefix, "share", "dravlen", "dravlen1.wav"), "-t", "raw", "-e", "signed",
                        "-b", "16", "-c", "1", "-r", str(rg.RATE), raw], check=True)
        one = array.array("h")
        one.frombytes(open(raw, "rb").read())
        start = rg.first_loud(left, 0) or 0
        one = one[rg.first_loud(one, 0) or 0:]
        heard = left[start:start + len(one)]
        c = correlation(envelope(one, rg.RATE), envelope(heard, rg.RATE))
        long_enough = title is not None and title - start > 0.8 * len(one)
        rg.check(long_enough and c > 0.8,
                 f"the opening sound is in the capture before the title (envelope match {c:.2f})")
    finally:
        shutil.rmtree(prefix, ignore_errors=True)
    rg.finish()


if __name__ == "__main__":
    main()
