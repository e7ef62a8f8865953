"""End to end: dravlen installed into a fresh prefix runs from there and plays its opening sound.

Installs the build with `cmake --install`, checks the layout (program, 45 sounds, menu entry,
manual page), the options that must not open anything, and then starts the installed program
under Xvfb: the opening sound (dravlen1.wav, found in PREFIX/share/dravlen) must be in the
captured output before the title is spoken.
Usage: install_test.py BUILD_DIR
"""
import os, shutil, subprocess, sys, tempfile

sys.path.insert(0, os.path.dirname(__file__))
import realgame as rg


def main():
    build = os.path.realpath(sys.argv[1])
    rg.need_tools("Xvfb", "xdotool", "sox", "cmake")
    prefix = tempfile.mkdtemp(prefix="dravlen-prefix-")
    try:
        r = subprocess.run(["cmake", "--install", build, "--prefix", prefix], capture_output=True, text=True)
        rg.check(r.returncode == 0, "cmake --install succeeds" + ("" if r.returncode == 0 else ": " + r.stderr))
        exe = os.path.join(prefix, "bin", "dravlen")
        sounds = sorted(os.listdir(os.path.join(prefix, "share", "dravlen")))
        wanted = sorted(["alsoft.conf"] + [f"dravlen{n}.wav" for n in range(1, 47) if n != 42])
        rg.check(os.access(exe, os.X_OK), "PREFIX/bin/dravlen is installed")
        rg.check(sounds == wanted, f"PREFIX/share/dravlen holds the sound pack, 1 to 46 without 42, and the "
                                   f"game's OpenAL settings ({len(sounds)} files)")
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

        rg.check_opening_sound(exe, os.path.join(prefix, "share", "dravlen", "dravlen1.wav"))
    finally:
        shutil.rmtree(prefix, ignore_errors=True)
    rg.finish()


if __name__ == "__main__":
    main()
