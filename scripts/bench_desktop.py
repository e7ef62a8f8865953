"""Figures of the real dravlen beside their targets (a benchmark, not a test: it never fails).

Key to silence and key to the reply's first audio are read from the wave writer's capture, each
key placed in it by the clock (see MixClock); the keys are typed through XTEST from this process, so they include X's delivery but no program's
start-up. Idle CPU comes from the scheduler's
nanosecond counters (/proc/PID/task/TID/schedstat), over 10 s at the speed question with the
engine loop playing; the same is measured for limitprobe, the least program on this stack.
Usage: bench_desktop.py BUILD_DIR [LIMITPROBE_EXE]
"""
import os, statistics, subprocess, sys, threading, time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import realgame as rg
from trip_test import Player

KEYS = 12


def run_ns(pid, tid=None):
    tids = [tid] if tid else os.listdir(f"/proc/{pid}/task")
    total = 0
    for t in tids:
        try:
            total += int(open(f"/proc/{pid}/task/{t}/schedstat").read().split()[0])
        except OSError:
            pass
    return total


def idle_cpu(pid, seconds=10):
    m0, p0, t0 = run_ns(pid, pid), run_ns(pid), time.time()
    time.sleep(seconds)
    m1, p1, t1 = run_ns(pid, pid), run_ns(pid), time.time()
    wall = (t1 - t0) * 1e9
    return 100 * (m1 - m0) / wall, 100 * (p1 - p0) / wall


class MixClock:
    """Where the mix is at a given moment. The wave writer mixes in real time from its start, but
    its file grows through stdio's buffer, 1,024 frames at a time, so the file's length alone
    lags the mix by up to 23 ms. Polled every millisecond, the least lag seen gives the start:
    each poll's (time - frames written / rate) is the start plus that poll's lag."""

    def __init__(self, game):
        self.game, self.start, self.running = game, None, True
        self.thread = threading.Thread(target=self.poll, daemon=True)
        self.thread.start()

    def poll(self):
        while self.running:
            t, f = time.monotonic(), self.game.frames()
            if f > 0 and (self.start is None or t - f / rg.RATE < self.start):
                self.start = t - f / rg.RATE
            time.sleep(0.001)

    def frame_now(self):
        return int((time.monotonic() - self.start) * rg.RATE)

    def stop(self):
        self.running = False
        self.thread.join()


def output_buffer_ms(conf):
    """The output a sound card holds, periods times period size, from an OpenAL configuration."""
    try:
        values = dict(l.split("=", 1) for l in open(conf).read().replace(" ", "").splitlines() if "=" in l)
        return int(values["periods"]) * int(values["period_size"]) * 1000 / rg.RATE
    except (OSError, KeyError, ValueError):
        return None


def line(name, value, target):
    print(f"  {name:52} {value:>16}   target {target}")


def main():
    build = os.path.realpath(sys.argv[1])
    probe = sys.argv[2] if len(sys.argv) > 2 else None
    figures = {}
    with rg.Display():
        launched = time.time()
        times = os.path.join(build, "bench-call-times.txt")
        if os.path.exists(times):
            os.remove(times)
        game = rg.Game(os.path.join(build, "dravlen"), env={"DRAVLEN_CALL_TIMES": times})
        opened = None
        while opened is None and time.time() - launched < 10:
            if os.path.exists(game.wav):
                opened = time.time()
            time.sleep(0.001)
        mix = MixClock(game)
        try:
            player = Player()
            silences, replies, pending, by_file = [], [], [], []
            while True:
                lines = game.wait_key_wait(timeout=120)
                if lines is None:
                    break
                if "How many pounds" in lines[-1] and not silences:
                    # Shift cuts the question and says nothing; F1 cuts it and asks it again.
                    # Typed through XTEST, so that no program's start-up is counted.
                    keyboard = rg.Keyboard()
                    for i in range(2 * KEYS):
                        game.key("F1")
                        game.wait_key_wait()
                        time.sleep(0.8)
                        k = mix.frame_now()
                        if i % 2 == 0:
                            by_file.append(game.frames())
                        keyboard.key("Shift_L" if i % 2 == 0 else "F1")
                        (silences if i % 2 == 0 else replies).append(k)
                        time.sleep(0.8)
                        game.wait_key_wait()
                    keyboard.close()
                if "How fast do you wish to go?" in lines[-1] and player.speeds == 1:
                    time.sleep(6)  # the question has been spoken; the engine loop plays on
                    figures["main"], figures["process"] = idle_cpu(game.pid)
                    figures["rss"] = game.rss_kib() / 1024
                    game.key("Escape")
                    game.wait_key_wait()
                    game.key("Return")
                    break
                if not pending:
                    pending = player.keys(game, lines)
                player.press(game, pending.pop(0))
            game.wait_end(30)
        finally:
            mix.stop()
            game.kill()
        left, _ = game.capture()

        if probe:
            conf = os.path.join(game.work, "probe.conf")  # the same wave writer as the game's
            open(conf, "w").write(open(os.path.join(game.work, "alsoft.conf")).read().replace("out.wav", "probe.wav"))
            p = subprocess.Popen([probe], env=dict(os.environ, ALSOFT_CONF=conf),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(2)
            subprocess.run(["xdotool", "search", "--name", "^limitprobe$", "key", "n"])
            time.sleep(2)
            figures["probe_main"], figures["probe"] = idle_cpu(p.pid)
            p.terminate()
            p.wait()

    to_ms = lambda frames: frames * 1000 / rg.RATE
    cut = [to_ms(rg.first_quiet(left, k) - k) for k in silences]
    reply = []
    for k in replies:
        quiet = rg.first_quiet(left, k, run=rg.RATE * 3 // 1000)  # the dip between the two voices
        back = rg.first_loud(left, quiet, run=rg.RATE // 1000) if quiet is not None else None
        if back is not None:
            reply.append(to_ms(back - quiet))
    first = rg.first_loud(left, 0, run=rg.RATE // 1000)

    print("dravlen on this machine (Xvfb, OpenAL's wave writer, xdotool keys):")
    line(f"key to silence in the mix, median of {len(cut)}", f"{statistics.median(cut):.1f} ms", "<= 10 ms")
    line("key to silence in the mix, worst", f"{max(cut):.1f} ms", "<= 15 ms")
    # The wave writer plays nothing ahead; a sound card plays what is buffered first.
    buffered = output_buffer_ms(os.path.join(build, "alsoft.conf"))
    if buffered is not None:
        print(f"    (a sound card adds what it has buffered: up to {buffered:.1f} ms with the game's alsoft.conf)")
    old = [to_ms(rg.first_quiet(left, k) - k) for k in by_file]
    print(f"    (each key placed by the file's length instead, which lags the mix by stdio's buffer:"
          f" median {statistics.median(old):.1f}, worst {max(old):.1f} ms)")
    line(f"silence to the reply's first audio, median of {len(reply)}",
         f"{statistics.median(reply):.1f} ms" if reply else "n/a", "<= 10 ms")
    line("silence to the reply's first audio, worst", f"{max(reply):.1f} ms" if reply else "n/a", "<= 10 ms")
    if opened and first is not None:
        line("start to first audio", f"{(opened - launched) * 1000 + to_ms(first):.0f} ms", "<= 150 ms")
    if "main" in figures:
        line("idle CPU at a key wait, main thread (10 s)", f"{figures['main']:.3f} %", "<= 0.1 % of a core")
        target = f"<= limitprobe + 0.5 = {figures['probe'] + 0.5:.2f} %" if "probe" in figures else "limitprobe + 0.5 %"
        line("idle CPU at a key wait, whole process (10 s)", f"{figures['process']:.2f} %", target)
        line("resident memory at a key wait", f"{figures['rss']:.1f} MiB", "<= 30 MiB")
    calls = [l.rsplit(None, 2) for l in open(times)] if os.path.exists(times) else []
    if calls:
        name, ms, count = calls[0]
        line("longest platform call on the game's thread", f"{float(ms):.1f} ms", "<= 5 ms")
        print(f"    ({name}, the longest of {count}; every kind of call in {times})")
    if "probe" in figures:
        line("limitprobe idle CPU, main thread / whole process",
             f"{figures['probe_main']:.3f} / {figures['probe']:.2f} %", "(the yardstick)")


if __name__ == "__main__":
    main()
