"""A speech-dispatcher of a test's own, for the end-to-end and the page's tests: its own
configuration folder and socket, the espeak-ng module and ALSA's null device, so nothing is
heard. Its log (level 5) holds every text given to the output module, with the voice set."""
import os, re, shutil, signal, socket, subprocess, tempfile, time

DAEMON = "/usr/bin/speech-dispatcher"
MODULES = "/usr/lib/speech-dispatcher-modules"


def installed():
    return os.path.exists(DAEMON) and os.path.exists(os.path.join(MODULES, "sd_espeak-ng"))


class PrivateDaemon:
    def __init__(self, prefix="dravlen-speechd-"):
        self.dir = tempfile.mkdtemp(prefix=prefix)
        conf = os.path.join(self.dir, "conf")
        os.makedirs(os.path.join(conf, "modules"))
        open(os.path.join(conf, "modules", "espeak-ng.conf"), "w").close()
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write(f'LogLevel 5\nLogDir "{self.dir}"\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n'
                    'DefaultLanguage "en"\n')
        self.socket = os.path.join(self.dir, "speechd.sock")
        self.proc = subprocess.Popen([DAEMON, "-s", "-t", "0", "-C", conf, "-m", MODULES, "-S", self.socket,
                                      "-P", os.path.join(self.dir, "pid")], stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        end = time.monotonic() + 5
        while time.monotonic() < end and not self.answers():
            time.sleep(0.02)

    def answers(self):
        with socket.socket(socket.AF_UNIX) as s:
            try:
                s.connect(self.socket)
                return True
            except OSError:
                return False

    def log(self):
        try:
            return open(os.path.join(self.dir, "speech-dispatcher.log"), errors="replace").read()
        except OSError:
            return ""

    def spoken(self):
        """(voice, text) of each text given to the output module, in order."""
        out, voice = [], None
        for m in re.finditer(r"\nsynthesis_voice=(.*)|output module: \|<speak>(.*?)</speak>", self.log()):
            if m.group(1) is not None:
                voice = m.group(1)
            else:
                out.append((voice, m.group(2)))
        return out

    def said(self):
        """The texts given to the output module, in order."""
        return [text for _, text in self.spoken()]

    def says(self, count, text, within):
        """True once a text given to the module after the first `count` holds `text`; waits
        `within` seconds at most."""
        end = time.monotonic() + within
        while not any(text in t for t in self.said()[count:]):
            if time.monotonic() > end:
                return False
            time.sleep(0.05)
        return True

    def close(self, keep=False):
        """Ends the daemon; its folder (and log) is kept when asked, and said so."""
        try:
            os.killpg(self.proc.pid, signal.SIGTERM)
            self.proc.wait(timeout=5)
        except (OSError, subprocess.TimeoutExpired):
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        if keep:
            print("daemon log kept in", self.dir)
        else:
            shutil.rmtree(self.dir, ignore_errors=True)
