"""End to end: the Debian package that cpack makes, and the game unpacked from it.

Makes the package into a scratch folder (`cpack -G DEB`), checks its metadata (name, version,
architecture, section, the dependencies dpkg-shlibdeps read from the binary) and its contents
(the program in /usr/games, the 45 sounds in /usr/share/games/dravlen, the menu entry, the
compressed manual page, the copyright file and changelog, all root's), unpacks it with `dpkg -x`
into a scratch root and starts the game from there under Xvfb: the opening sound, found in
/usr/share/games/dravlen, must be in the captured output before the title is spoken.
Usage: package_test.py BUILD_DIR
"""
import glob, os, re, shutil, subprocess, sys, tempfile

sys.path.insert(0, os.path.dirname(__file__))
import realgame as rg

# Every library the game links, as Debian 12 packages it (a library linked anew belongs here too).
LIBRARIES = {"libc6", "libstdc++6", "libgcc-s1", "libsdl2-2.0-0", "libopenal1", "libsndfile1", "libespeak-ng1",
             "libspeechd2", "libx11-6"}


def run(*args, **kw):
    return subprocess.run(list(args), capture_output=True, text=True, **kw)


def main():
    build = os.path.realpath(sys.argv[1])
    rg.need_tools("cpack", "dpkg-deb", "dpkg-shlibdeps", "Xvfb", "xdotool", "sox")
    out = tempfile.mkdtemp(prefix="dravlen-package-")
    try:
        r = run("cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", out, cwd=out)
        version = run(os.path.join(build, "dravlen"), "--version").stdout.split()[1]
        arch = run("dpkg", "--print-architecture").stdout.strip()
        deb = os.path.join(out, f"dravlen_{version}_{arch}.deb")
        if not rg.check(r.returncode == 0 and os.path.exists(deb),
                        f"cpack makes {os.path.basename(deb)}" + ("" if r.returncode == 0 else ": " + r.stderr[-2000:])):
            rg.finish()
        print(f"       {os.path.getsize(deb)} bytes")

        fields = {}
        for name in ("Package", "Version", "Architecture", "Section", "Maintainer", "Depends", "Description"):
            fields[name] = run("dpkg-deb", "-f", deb, name).stdout.strip()
        rg.check((fields["Package"], fields["Version"], fields["Architecture"], fields["Section"]) ==
                 ("dravlen", version, arch, "games"),
                 f"its name, version, architecture and section ({fields['Package']} {fields['Version']} "
                 f"{fields['Architecture']} {fields['Section']})")
        rg.check(re.fullmatch(r".+ <[^ @]+@[^ @]+>", fields["Maintainer"]) is not None and
                 "\n" in fields["Description"], "a maintainer and a long description")
        depends = {}
        for d in fields["Depends"].split(","):
            m = re.fullmatch(r"\s*([a-z0-9.+-]+)(?: \((>= [^)]+)\))?\s*", d)
            if m:
                depends[m.group(1)] = m.group(2)
        print("       Depends: " + fields["Depends"])
        rg.check(set(depends) == LIBRARIES and depends["libsdl2-2.0-0"] and depends["libespeak-ng1"],
                 "the dependencies are the linked libraries' packages, with the versions their symbols need")

        listing = run("dpkg-deb", "-c", deb).stdout.splitlines()
        files = {l.split()[-1][1:]: l.split()[:2] for l in listing if not l.startswith("d")}
        sounds = {f"/usr/share/games/dravlen/dravlen{n}.wav" for n in range(1, 47) if n != 42}
        sounds.add("/usr/share/games/dravlen/alsoft.conf")
        wanted = sounds | {"/usr/games/dravlen", "/usr/share/applications/dravlen.desktop",
                           "/usr/share/man/man6/dravlen.6.gz", "/usr/share/doc/dravlen/copyright",
                           "/usr/share/doc/dravlen/changelog.gz"}
        rg.check(set(files) == wanted, f"it holds the game, 45 sounds, menu entry, manual page, copyright and "
                                       f"changelog, nothing else ({sorted(set(files) ^ wanted)[:5]} differ)")
        rg.check(all(owner == "root/root" for _, owner in files.values()), "every file is root's")
        rg.check(files.get("/usr/games/dravlen", [""])[0] == "-rwxr-xr-x", "the game is executable by everyone")

        root = os.path.join(out, "root")
        rg.check(run("dpkg", "-x", deb, root).returncode == 0, "dpkg -x unpacks it")
        exe = os.path.join(root, "usr", "games", "dravlen")
        r = run(exe, "--version", env=dict(os.environ, DISPLAY=""), timeout=10)
        rg.check(r.returncode == 0 and "GPL-3.0-or-later" in r.stdout, "the unpacked game names its licence")
        rg.check_opening_sound(exe, os.path.join(root, "usr", "share", "games", "dravlen", "dravlen1.wav"))
    finally:
        shutil.rmtree(out, ignore_errors=True)
    rg.finish()


if __name__ == "__main__":
    main()
