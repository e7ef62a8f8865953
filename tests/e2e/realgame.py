"""The real dravlen on a real (virtual) desktop: Xvfb, OpenAL's wave writer, xdotool keys.

Shared by the end-to-end tests and the benchmark. The game is started with HOME in a scratch
folder and an ALSOFT_CONF that sends its sound to a wave file, written in real time, so the
file's length tells where the output is "now". A key is sent only when the game's main thread
sleeps in a key wait: the window's event wait with no timeout (poll with -1, read from
/proc/PID/syscall). A key sent while the game speaks a synchronous line would be discarded by
the next key wait, as the game means it to be, and the run would drift from its plan.
"""
import array, ctypes, math, os, shutil, subprocess, sys, tempfile, time

RATE = 44100
SKIP = 77  # ctest's skip status (SKIP_RETURN_CODE)


def need_tools(*tools):
    missing = [t for t in tools if shutil.which(t) is None]
    if missing:
        print("SKIPPED: not installed here: " + ", ".join(missing) +
              " (scripts/setup.sh installs them; CI has them)")
        sys.exit(SKIP)


class Display:
    """A private Xvfb display, set as DISPLAY for everything started afterwards."""

    def __init__(self):
        need_tools("Xvfb", "xdotool", "xwininfo", "sox")
        # Xvfb picks a free display number itself and writes it to the pipe once it listens:
        # choosing a number here would race with another test or benchmark starting its own
        # server at the same moment, and both games would end up on one display.
        r, w = os.pipe()
        self.proc = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1024x768x24",
                                      "-nolisten", "tcp"], pass_fds=(w,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r) as f:
            number = f.readline().strip()
        if not number.isdigit():
            self.proc.kill()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number
        os.environ["DISPLAY"] = self.name

    def close(self):
        self.proc.terminate()
        self.proc.wait()

    def __enter__(self):
        return self

    def __exit__(self, *a):
        self.close()


_scratch = []
failures = []


def check(ok, what):
    """Prints one check's result; a failed one is remembered for finish()."""
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def finish():
    """Removes the games' scratch folders, unless a check failed (they are kept to look at), and
    exits with status 1 if one did."""
    for d in _scratch:
        if failures:
            print("kept for a look:", d)
        else:
            shutil.rmtree(d, ignore_errors=True)
    if failures:
        print(f"{len(failures)} check(s) failed")
        sys.exit(1)
    print("PASS")


def send_close_request(window):
    """WM_DELETE_WINDOW, as a window manager sends it when the player closes the window."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(None)
    ev = (ctypes.c_long * 24)()

    def put(off, value, ctype):
        ctypes.cast(ctypes.addressof(ev) + off, ctypes.POINTER(ctype))[0] = value
    put(0, 33, ctypes.c_int)  # ClientMessage
    put(32, window, ctypes.c_ulong)
    put(40, x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0), ctypes.c_ulong)
    put(48, 32, ctypes.c_int)
    put(56, x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0), ctypes.c_ulong)
    x11.XSendEvent(dpy, window, 0, 0, ev)
    x11.XFlush(dpy)
    x11.XCloseDisplay(dpy)


class Keyboard:
    """Keys typed through the XTEST extension from this process, as a keyboard types them: no
    program is started per key (xdotool's own start-up takes milliseconds), so the time from
    here to the game is X's delivery alone. They go to the focused window, the game's."""

    def __init__(self):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = self.x11.XOpenDisplay(None)

    def key(self, keysym):
        code = self.x11.XKeysymToKeycode(self.dpy, self.x11.XStringToKeysym(keysym.encode()))
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        self.x11.XFlush(self.dpy)

    def close(self):
        self.x11.XCloseDisplay(self.dpy)


class Game:
    def __init__(self, exe, work=None, env=None, settings=None, args=()):
        self.work = work or tempfile.mkdtemp(prefix="dravlen-e2e-")
        _scratch.append(self.work)
        self.home = os.path.join(self.work, "home")
        self.run_dir = os.path.join(self.work, "run")
        os.makedirs(os.path.join(self.home, "Documents"), exist_ok=True)
        os.makedirs(self.run_dir, exist_ok=True)
        self.folder = os.path.join(self.home, "Documents", "quillonwerk")
        self.transcript = os.path.join(self.folder, "dravlog.txt")
        self.cfg = os.path.join(self.folder, "dravlen.cfg")
        if settings is not None:
            os.makedirs(self.folder, exist_ok=True)
            open(self.cfg, "w").write(settings)
        self.wav = os.path.join(self.work, "out.wav")
        conf = os.path.join(self.work, "alsoft.conf")
        open(conf, "w").write("[general]\ndrivers=wave\nchannels=stereo\nfrequency=44100\n"
                              f"sample-type=int16\nhrtf=false\n[wave]\nfile={self.wav}\n")
        full_env = dict(os.environ, HOME=self.home, ALSOFT_CONF=conf)
        full_env.pop("XDG_CONFIG_HOME", None)
        full_env.update(env or {})
        self.err = open(os.path.join(self.work, "stderr.txt"), "w")
        self.started = time.time()
        self.proc = subprocess.Popen([exe, *args], cwd=self.run_dir, env=full_env,
                                     stdout=self.err, stderr=self.err)
        self.pid = self.proc.pid
        self.seen = []  # (line, capture frame when first seen)
        self.window = self.find_window(" Dravlen  By Brannock ")

    # ---- the window
    def find_window(self, caption, timeout=20):
        end = time.time() + timeout
        while time.time() < end and self.alive():
            # xwininfo lists every window; xdotool's search misses SDL's message box.
            r = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True)
            for l in r.stdout.splitlines():
                p = l.split(None, 1)
                if len(p) == 2 and p[1].startswith('"' + caption + '"'):
                    return int(p[0], 16)
            time.sleep(0.05)
        return None

    def caption(self):
        return subprocess.run(["xdotool", "getwindowname", str(self.window)], capture_output=True,
                              text=True).stdout.rstrip("\n")

    def key(self, *names, window=None):
        subprocess.run(["xdotool", "key", "--window", str(window or self.window), *names])

    def type(self, text, delay_ms):
        subprocess.run(["xdotool", "type", "--window", str(self.window), "--delay", str(delay_ms), text])

    def close_request(self):
        send_close_request(self.window)

    def destroy_window(self):
        """The window itself destroyed by another client, as when its display is torn down: no
        close request, and every later request about the window fails."""
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        dpy = x11.XOpenDisplay(None)
        x11.XDestroyWindow(dpy, self.window)
        x11.XSync(dpy, 0)
        x11.XCloseDisplay(dpy)

    # ---- the process
    def alive(self):
        return self.proc.poll() is None

    def wait_end(self, timeout):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.alive():
            self.proc.kill()
            self.proc.wait()

    def at_key_wait(self):
        """The main thread sleeps in poll() with no timeout: the event wait of a key wait."""
        try:
            f = open(f"/proc/{self.pid}/syscall").read().split()
        except OSError:
            return False
        return len(f) > 3 and f[0] == "7" and int(f[3], 16) & 0xffffffff == 0xffffffff

    def wakeups(self):
        """How often the main thread has gone to sleep of its own accord so far."""
        try:
            for l in open(f"/proc/{self.pid}/task/{self.pid}/status"):
                if l.startswith("voluntary_ctxt_switches:"):
                    return int(l.split()[1])
        except OSError:
            pass
        return 0

    def press(self, *names, delay_ms=None):
        """Sends keys at a key wait and returns once the game has woken for them (it may be back
        in the next key wait by then: a key often takes it only a few milliseconds)."""
        before = self.wakeups()
        self.key(*(["--delay", str(delay_ms)] if delay_ms else []), *names)
        end = time.time() + 2
        while time.time() < end and self.alive() and self.at_key_wait() and self.wakeups() == before:
            time.sleep(0.005)

    def rss_kib(self):
        for l in open(f"/proc/{self.pid}/status"):
            if l.startswith("VmRSS:"):
                return int(l.split()[1])
        return 0

    # ---- what the game said and played
    def frames(self):
        try:
            return max(0, os.path.getsize(self.wav) - 68) // 4
        except OSError:
            return 0

    def lines(self):
        try:
            data = open(self.transcript, "rb").read().decode("latin-1")
        except OSError:
            return [l for l, _ in self.seen]
        parts = data.split("\r\n")[:-1]
        f = self.frames()
        for l in parts[len(self.seen):]:
            self.seen.append((l, f))
        return [l for l, _ in self.seen]

    def frame_of(self, text, after=0):
        self.lines()
        return next((f for l, f in self.seen if text in l and f >= after), None)

    def wait_key_wait(self, timeout=60):
        """Returns the transcript once the game has sat in a key wait for a moment with nothing
        new said; None when it ended or the time ran out."""
        end = time.time() + timeout
        while time.time() < end and self.alive():
            n = len(self.lines())
            if self.at_key_wait():
                time.sleep(0.05)
                if self.at_key_wait() and len(self.lines()) == n:
                    return self.lines()
            time.sleep(0.02)
        return None

    def capture(self):
        """The whole capture as (left, right) arrays of 16-bit samples (the file is complete
        once the game has closed its device)."""
        raw = self.wav + ".raw"
        subprocess.run(["sox", self.wav, "-t", "raw", "-e", "signed", "-b", "16", "-c", "2", raw], check=True)
        a = array.array("h")
        a.frombytes(open(raw, "rb").read())
        os.remove(raw)
        return a[0::2], a[1::2]

    def capture_so_far(self):
        """What has been mixed so far, read while the game runs: the wave writer's samples
        follow its 68-byte header as they are mixed (the header's sizes are set only at the end)."""
        data = open(self.wav, "rb").read()[68:]
        a = array.array("h")
        a.frombytes(data[:len(data) // 4 * 4])
        return a[0::2], a[1::2]


# ---- measuring sound
def rms(x, f0, f1):
    f0, f1 = max(0, int(f0)), min(len(x), int(f1))
    if f1 <= f0:
        return 0.0
    return math.sqrt(sum(v * v for v in x[f0:f1]) / (f1 - f0)) / 32768


def first_loud(x, f0, level=0.01, run=RATE // 100):
    """The first frame from f0 on where a run of `run` frames peaks above `level`."""
    thr = level * 32768
    for b in range(int(f0), len(x) - run, run):
        if max(abs(v) for v in x[b:b + run]) > thr:
            for f in range(b, b + run):
                if abs(x[f]) > thr:
                    return f
    return None


def first_quiet(x, f0, level=0.003, run=RATE * 30 // 1000):
    """The first frame from f0 on that starts `run` frames all below `level` (-50 dB)."""
    thr, f, n = level * 32768, int(f0), 0
    while f < len(x):
        if abs(x[f]) <= thr:
            n += 1
            if n >= run:
                return f - run + 1
        else:
            n = 0
        f += 1
    return None


def dominant_hz(wav, start_s, dur_s, lo, hi):
    """The strongest frequency between lo and hi in the left channel, from sox's spectrum."""
    r = subprocess.run(["sox", wav, "-n", "trim", f"{start_s:.3f}", f"{dur_s:.3f}", "remix", "1",
                        "rate", "4000", "stat", "-freq"], capture_output=True, text=True)
    acc = {}
    for l in r.stderr.splitlines():
        p = l.split()
        if len(p) == 2:
            try:
                fr, m = float(p[0]), float(p[1])
            except ValueError:
                continue
            if lo <= fr <= hi:
                acc[fr] = acc.get(fr, 0.0) + m
    pts = sorted(acc.items())
    i = max(range(len(pts)), key=lambda k: pts[k][1])
    if 0 < i < len(pts) - 1:  # between the bins
        a, b, c = pts[i - 1][1], pts[i][1], pts[i + 1][1]
        d = 0.5 * (a - c) / (a - 2 * b + c) if (a - 2 * b + c) else 0
        return pts[i][0] + d * (pts[i + 1][0] - pts[i][0])
    return pts[i][0]


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


def check_opening_sound(exe, opening_wav):
    """Starts an installed or unpacked game under Xvfb, closes its window at its first question,
    and checks that the opening sound, as the file `opening_wav` has it, was played before the
    title was spoken."""
    with Display():
        game = Game(exe)
        try:
            lines = game.wait_key_wait(timeout=60)
            check(lines is not None, "the game reaches its first question")
            title = game.frame_of("Dravlen. version 3")
            game.close_request()
            status = game.wait_end(20)
            check(status == 0, f"and leaves with status 0 when its window is closed ({status})")
            left, _ = game.capture()
        finally:
            game.kill()
    raw = os.path.join(game.work, "one.raw")
    subprocess.run(["sox", opening_wav, "-t", "raw", "-e", "signed", "-b", "16", "-c", "1", "-r", str(RATE), raw],
                   check=True)
    one = array.array("h")
    one.frombytes(open(raw, "rb").read())
    start = first_loud(left, 0) or 0
    one = one[first_loud(one, 0) or 0:]
    heard = left[start:start + len(one)]
    c = correlation(envelope(one, RATE), envelope(heard, RATE))
    long_enough = title is not None and title - start > 0.8 * len(one)
    check(long_enough and c > 0.8, f"the opening sound is in the capture before the title (envelope match {c:.2f})")
