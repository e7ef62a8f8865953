"""The browser build's page in real headless Chromium, for the web tests and the benchmark.

Serves build-web/site/ on 127.0.0.1, starts Chromium with a fresh profile (deleted afterwards)
and, before the page loads, a script that records everything the page sends to its audio
output: AudioNode.connect is wrapped so that whatever reaches the destination also reaches an
AudioWorklet that keeps the samples, with the audio time of the first one.
"""
import functools
import http.server
import os
import shutil
import socketserver
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

CAPTURE = r"""
(() => {
  const connect = AudioNode.prototype.connect;
  const code = `class Keep extends AudioWorkletProcessor {
    constructor() { super(); this.l = []; this.r = []; this.n = 0; this.first = -1; }
    process(inputs) {
      // A quantum with no input at all (nothing connected plays) is silence, kept as such so
      // that the recording stays in step with the audio clock.
      const i = inputs[0];
      if (this.first < 0) this.first = currentFrame;
      const quiet = new Float32Array(128);
      this.l.push(i && i.length ? i[0].slice() : quiet);
      this.r.push(i && i.length ? (i[1] || i[0]).slice() : quiet);
      this.n += 128;
      if (this.n >= 2048) { this.port.postMessage([this.first, this.l, this.r]); this.l = []; this.r = []; this.n = 0; this.first = -1; }
      return true;
    }
  }
  registerProcessor('keep', Keep);`;
  const url = URL.createObjectURL(new Blob([code], {type: 'application/javascript'}));
  window.__capture = {contexts: [], blocks: [], waiting: []};
  const recorders = new Map();
  function recorder(ctx) {
    if (!recorders.has(ctx)) {
      window.__capture.contexts.push(ctx);
      window.__capture.opened = {p: performance.now(), t: ctx.currentTime};
      recorders.set(ctx, ctx.audioWorklet.addModule(url).then(() => {
        const node = new AudioWorkletNode(ctx, 'keep', {numberOfInputs: 1, numberOfOutputs: 1,
                                                        channelCount: 2, channelCountMode: 'explicit'});
        node.port.onmessage = (e) => {
          const [first, l, r] = e.data;
          const flat = (parts) => { const out = new Float32Array(parts.reduce((n, p) => n + p.length, 0)); let at = 0; for (const p of parts) { out.set(p, at); at += p.length; } return out; };
          window.__capture.blocks.push({first, rate: ctx.sampleRate, l: flat(l), r: flat(r)});
        };
        const mute = ctx.createGain();
        mute.gain.value = 0;
        connect.call(node, mute);
        connect.call(mute, ctx.destination);
        return node;
      }));
    }
    return recorders.get(ctx);
  }
  // What the tests line the output up with, each at its audio time: the keys pressed, the
  // buffers started (with their length and rate), the transcript lines and the live regions.
  const cap = window.__capture;
  cap.keys = []; cap.starts = []; cap.lines = []; cap.announced = [];
  const now = () => (cap.contexts[0] ? cap.contexts[0].currentTime : -1);
  window.addEventListener('keydown', (e) => cap.keys.push({key: e.key, t: now(), p: performance.now()}), true);
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function(when, ...rest) {
    cap.starts.push({t: now(), when: when || 0, duration: this.buffer ? this.buffer.duration : 0,
                     rate: this.playbackRate.value, channels: this.buffer ? this.buffer.numberOfChannels : 0});
    return start.call(this, when, ...rest);
  };
  new MutationObserver((records) => {
    for (const r of records) for (const n of r.addedNodes) {
      const id = r.target.id || (r.target.parentNode && r.target.parentNode.id);
      if (id === 'transcript') cap.lines.push({text: n.textContent.replace(/\n$/, ''), t: now()});
      if (id === 'speech-a' || id === 'speech-b') cap.announced.push({region: id, text: n.textContent});
    }
  }).observe(document, {childList: true, subtree: true});
  // The recorded output between two audio times, interleaved, as base64 float32.
  cap.slice = (from, to) => {
    const ctx = cap.contexts[0];
    const rate = ctx.sampleRate, a = Math.floor(from * rate), b = Math.floor(to * rate);
    const out = new Float32Array(2 * Math.max(0, b - a));
    for (const blk of cap.blocks) {
      for (let i = 0; i < blk.l.length; ++i) {
        const f = blk.first + i;
        if (f >= a && f < b) { out[2 * (f - a)] = blk.l[i]; out[2 * (f - a) + 1] = blk.r[i]; }
      }
    }
    let bin = '';
    const bytes = new Uint8Array(out.buffer);
    for (let i = 0; i < bytes.length; i += 8192) bin += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    return btoa(bin);
  };
  AudioNode.prototype.connect = function(target, ...rest) {
    const out = connect.call(this, target, ...rest);
    if (target instanceof AudioDestinationNode) {
      const self = this;
      recorder(target.context).then((node) => connect.call(self, node));
    }
    return out;
  };
})();
"""


class Page:
    """One Chromium with the page's site served; closed with close()."""

    def __init__(self, site, autoplay=True, capture=True, flags=(), env=None):
        """flags: more Chromium switches; env: the browser's environment (by default this one's)."""
        self.site = site
        handler = functools.partial(QuietHandler, directory=site)
        self.server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
        self.server.daemon_threads = True
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.base = "http://127.0.0.1:%d/" % self.server.server_address[1]
        self.profile = tempfile.mkdtemp(prefix="dravlen-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--no-first-run",
                     "--disable-dev-shm-usage", "--user-data-dir=" + self.profile):
            options.add_argument(flag)
        if autoplay:
            options.add_argument("--autoplay-policy=no-user-gesture-required")
        for flag in flags:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver", env=env), options=options)
        if capture:
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": CAPTURE})

    def open(self, query=""):
        self.driver.get(self.base + "index.html" + query)
        self.wait(lambda: self.js("return typeof Dravlen == 'object' && !!document.getElementById('start')"), 10)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, timeout, what="a condition"):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.02)
        raise AssertionError("timed out after %.0f s waiting for %s; transcript so far:\n%s"
                             % (timeout, what, "\n".join(self.transcript()[-15:])))

    def start(self):
        """Presses Enter on the focused Start button and waits until the game has the keys."""
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.wait(lambda: self.js("return Dravlen.started"), 20, "the game to start")

    def transcript(self):
        return self.js("return Dravlen.lines.slice()") or []

    def wait_line(self, text, timeout=20, after=0):
        """Waits until a transcript line at index >= after contains text; returns its index."""
        def found():
            lines = self.transcript()
            for i in range(after, len(lines)):
                if text in lines[i]:
                    return i + 1
            return 0
        return self.wait(found, timeout, repr(text)) - 1

    def keys(self, *keys, gap=0.03):
        """Types keys into the game element, `gap` seconds apart."""
        chain = ActionChains(self.driver)
        for k in keys:
            chain.send_keys(k)
            if gap:
                chain.pause(gap)
        chain.perform()



    def audio(self, start, end):
        """The recorded output from audio time start to end: (rate, left, right) as numpy arrays."""
        import base64
        import numpy
        raw = base64.b64decode(self.js("return window.__capture.slice(arguments[0], arguments[1])", start, end))
        both = numpy.frombuffer(raw, dtype=numpy.float32)
        return self.js("return window.__capture.contexts[0].sampleRate"), both[0::2], both[1::2]

    def record(self, name):
        return self.js("return window.__capture[arguments[0]]", name)

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.server.shutdown()
            shutil.rmtree(self.profile, ignore_errors=True)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".wasm": "application/wasm", ".js": "text/javascript", ".data": "application/octet-stream"})

    def log_message(self, *args):
        pass

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()
