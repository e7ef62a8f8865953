// The page's side of the browser platform, set up before the program starts (linked with
// --pre-js): the Start gate, the speech engines, the transcript, the player's folder kept in the
// browser's storage, the message dialog and the end of the game. library.js calls into it.
var Dravlen = {
  started: false,      // the Start button was pressed and the voices are known
  startPressed: false,
  closing: false,      // the page is going away: every wait ends and the game leaves
  messageOpen: false,
  ended: false,
  wakeSleeper: null,   // wakes the program's one sleep (library.js)
  audio: null,         // the Web Audio context the sounds play on; speech plays on it too
  lines: [],           // the transcript as written
  folder: '/dravlen/settings',
  stored: {},          // modification times of the folder's files as last kept

  el: function(id) { return document.getElementById(id); },

  // A key wait that goes on with nothing playing and nothing to say lets the audio rest: a
  // running audio context costs a few per cent of a core even when silent (its rendering, the
  // browser's audio service and OpenAL's scheduling timer), and next to nothing at rest. It
  // rests once everything has been quiet for half a second, so that the end of a sound is never
  // cut; the next key, or anything else that ends the wait, starts it again before the game
  // answers, which costs the next sound a few milliseconds at most.
  restAfter: 500,
  restTimer: 0,
  resting: null,
  inKeyWait: false,  // the game sleeps until a key comes (also a mark for checks that drive it)
  keyWaits: 0,
  keyWait: function(on, audio) {
    Dravlen.inKeyWait = !!on;
    if (on) ++Dravlen.keyWaits;
    clearTimeout(Dravlen.restTimer);
    Dravlen.restTimer = 0;
    if (!on) {
      Dravlen.wakeAudio();
      return;
    }
    var quietFrom = performance.now();
    var rest = function() {
      Dravlen.restTimer = 0;
      var a = Dravlen.audio;
      if (!a || a.state !== 'running' || Dravlen.resting) return;
      var now = performance.now();
      if (Dravlen.speech.busy() || audio.playing()) quietFrom = now;
      var left = quietFrom + Dravlen.restAfter - now;
      if (left > 0) {
        Dravlen.restTimer = setTimeout(rest, Math.min(left, 250));
      } else {
        Dravlen.resting = audio;
        audio.pause();
      }
    };
    Dravlen.restTimer = setTimeout(rest, Dravlen.restAfter);
  },
  wakeAudio: function() {
    var audio = Dravlen.resting;
    Dravlen.resting = null;
    if (audio) audio.resume();
  },

  // A key's handler runs inside the program: the sleeper is woken once it has returned.
  wakeSoon: function() {
    Dravlen.wakeAudio();
    Promise.resolve().then(function() { if (Dravlen.wakeSleeper) Dravlen.wakeSleeper(); });
  },

  // ---- The Start gate: the program waits for it; the key that opens it is not the game's.
  pressStart: function() {
    if (Dravlen.startPressed) return;
    Dravlen.startPressed = true;
    var start = Dravlen.el('start');
    if (start) start.disabled = true;
    Dravlen.el('game').focus();
    Dravlen.speech.whenReady(function() {
      Dravlen.speech.listVoices();
      Dravlen.started = true;
      Dravlen.setStatus('Playing. The game has the keyboard.');
      Dravlen.wakeSoon();
    });
  },

  setStatus: function(text) {
    var s = Dravlen.el('status');
    if (s) s.textContent = text;
  },

  audioReady: function(context) {
    Dravlen.audio = context;
    if (context && context.state !== 'running') context.resume();
  },

  // ---- The transcript, shown as it is written and offered for download.
  transcriptLine: function(line) {
    Dravlen.lines.push(line);
    var t = Dravlen.el('transcript');
    if (t) t.appendChild(document.createTextNode(line + '\n'));
  },
  downloadTranscript: function() {
    var text = Dravlen.lines.map(function(l) { return l + '\r\n'; }).join('');
    var a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([text], {type: 'text/plain'}));
    a.download = 'dravlog.txt';
    document.body.appendChild(a);
    a.click();
    setTimeout(function() { URL.revokeObjectURL(a.href); a.remove(); }, 1000);
  },

  // ---- The player's folder, kept in the browser's storage. The settings file is kept as soon
  // as it changes; the transcript at most a second after its last line, and when the page goes.
  key: function(name) { return 'dravlen' + Dravlen.folder + '/' + name; },
  restore: function() {
    FS.mkdirTree(Dravlen.folder);
    try {
      for (var i = 0; i < localStorage.length; ++i) {
        var k = localStorage.key(i);
        var prefix = Dravlen.key('');
        if (k.indexOf(prefix) !== 0) continue;
        var name = k.slice(prefix.length);
        if (!/^[A-Za-z0-9._-]+$/.test(name)) continue;
        FS.writeFile(Dravlen.folder + '/' + name, localStorage.getItem(k));
        Dravlen.stored[name] = FS.stat(Dravlen.folder + '/' + name).mtime.getTime();
      }
    } catch (e) {
      console.warn('Dravlen: the stored settings could not be read: ' + e);
    }
  },
  persistTimer: 0,
  persist: function(now) {
    var names;
    try { names = FS.readdir(Dravlen.folder); } catch (e) { return; }
    var later = false;
    names.forEach(function(name) {
      if (name === '.' || name === '..' || /\.tmp$/.test(name)) return;
      var path = Dravlen.folder + '/' + name, mtime;
      try { mtime = FS.stat(path).mtime.getTime(); } catch (e) { return; }
      if (Dravlen.stored[name] === mtime) return;
      if (!now && /^dravlog/.test(name)) { later = true; return; }
      try {
        localStorage.setItem(Dravlen.key(name), FS.readFile(path, {encoding: 'utf8'}));
        Dravlen.stored[name] = mtime;
      } catch (e) {
        console.warn('Dravlen: ' + name + ' could not be kept: ' + e);
      }
    });
    if (later && !Dravlen.persistTimer)
      Dravlen.persistTimer = setTimeout(function() { Dravlen.persistTimer = 0; Dravlen.persist(true); }, 1000);
  },

  // The page goes (reload, tab closed): the game leaves as when its window is closed, saving
  // the settings, all at once before the page is gone.
  close: function() {
    if (Dravlen.started && !Dravlen.ended && !Dravlen.closing) {
      Dravlen.closing = true;
      if (Dravlen.wakeSleeper) Dravlen.wakeSleeper();
    }
    Dravlen.persist(true);
  },

  // ---- The message box: a dialog that any key (or its button) closes.
  showMessage: function(text) {
    var d = Dravlen.el('message');
    Dravlen.el('message-text').textContent = text;
    d.hidden = false;
    Dravlen.messageOpen = true;
    Dravlen.el('message-ok').focus();
  },
  closeMessage: function() {
    if (!Dravlen.messageOpen) return;
    Dravlen.messageOpen = false;
    Dravlen.el('message').hidden = true;
    Dravlen.el('game').focus();
    Dravlen.wakeSoon();
  },

  // ---- The end: in the browser the page itself is the game menu the game hands over to.
  handOff: function(path) { return /lobbarin\.exe$/i.test(path); },
  gameEnded: function() {
    Dravlen.ended = true;
    Dravlen.persist(true);
    Dravlen.setStatus('The game is over.');
    var again = Dravlen.el('again');
    if (again) {
      again.hidden = false;
      again.focus();
    }
  },
};

// ---- Speech: three kinds of voice in one list. The embedded voices (espeak-ng in a module
// worker, played on the sounds' audio context), the player's own screen reader (two ARIA live
// regions written in turn) and the browser's voices (speechSynthesis), where there are any.
Dravlen.speech = {
  voices: [],
  current: 0,
  rate: 0,
  volume: 100,
  queue: [],      // lines not started yet
  seq: 0,
  generation: 0,  // a purge starts a new one; synthesis of an older one is dropped
  worker: null,
  workerState: 'loading',  // 'ready', 'failed'
  readyWaiters: [],
  pending: {},     // embedded lines sent to the worker whose synthesis has not ended
  pendingCount: 0,
  playHead: 0,     // audio time at which the embedded speech queued so far ends
  sources: [],
  out: null,       // this generation's gain node
  readerUntil: 0,  // when the screen reader is estimated to have read the last line
  readerTurn: 0,
  systemPending: 0,
  pumpTimer: 0,

  // The embedded voices offered, in this order (as on the desktop).
  embedded: [
    ['en-us', '', 'English (America)'], ['en', '', 'English (Great Britain)'],
    ['en-us', 'f3', 'English (America), female 3'], ['en-us', 'm3', 'English (America), male 3'],
    ['en-us', 'f1', 'English (America), female 1'], ['en-us', 'f2', 'English (America), female 2'],
    ['en-us', 'f4', 'English (America), female 4'], ['en-us', 'f5', 'English (America), female 5'],
    ['en-us', 'm1', 'English (America), male 1'], ['en-us', 'm2', 'English (America), male 2'],
    ['en-us', 'm7', 'English (America), male 7'], ['en', 'f3', 'English (Great Britain), female 3'],
    ['en', 'm3', 'English (Great Britain), male 3'], ['en', 'f2', 'English (Great Britain), female 2'],
    ['en-gb-scotland', '', 'English (Scotland)'], ['en-gb-x-rp', '', 'English (Received Pronunciation)'],
    ['en-029', '', 'English (Caribbean)'], ['en-us-nyc', '', 'English (America, New York City)'],
    ['en-gb-x-gbclan', '', 'English (Lancaster)'], ['en-gb-x-gbcwmd', '', 'English (West Midlands)'],
  ],

  startWorker: function() {
    var self = this;
    var fail = function(why) {
      if (self.workerState !== 'loading') return;
      console.warn('Dravlen: the embedded voices could not start: ' + why);
      self.workerState = 'failed';
      self.ready();
    };
    try {
      this.worker = new Worker('speech-worker.js', {type: 'module'});
    } catch (e) {
      fail(e);
      return;
    }
    this.worker.onmessage = function(e) { self.fromWorker(e.data); };
    this.worker.onerror = function(e) { fail(e.message || 'worker error'); };
    setTimeout(function() { fail('no answer within 15 seconds'); }, 15000);
  },
  ready: function() {
    var w = this.readyWaiters;
    this.readyWaiters = [];
    w.forEach(function(f) { f(); });
  },
  whenReady: function(f) {
    var self = this;
    var ready = function() { self.whenSystemVoices(f); };
    if (this.workerState === 'loading') this.readyWaiters.push(ready);
    else ready();
  },

  // The browser's voices come some time after they are first asked for (Chromium lists none
  // at the first call and sends "voiceschanged" when it has them, seconds later with
  // speech-dispatcher's thousands): they are asked for as the page loads. The Start waits for
  // them until a second after that, since a browser with none may never say so; or ten
  // seconds, when the player's settings hold a voice past the page's own, which can only have
  // been one of the browser's.
  systemVoicesAsked: 0,
  askSystemVoices: function() {
    if (!window.speechSynthesis) return;
    this.systemVoicesAsked = performance.now();
    speechSynthesis.getVoices();
  },
  storedVoice: function() {
    try {
      return parseInt(FS.readFile(Dravlen.folder + '/dravlen.cfg', {encoding: 'utf8'}), 10);
    } catch (e) {
      return NaN;
    }
  },
  whenSystemVoices: function(f) {
    this.listVoices();
    var own = this.voices.filter(function(v) { return v.kind !== 'system'; }).length;
    var waitUntil = this.systemVoicesAsked + (this.storedVoice() >= own ? 10000 : 1000);
    if (!window.speechSynthesis || /[?&]system=off/.test(location.search) || speechSynthesis.getVoices().length ||
        performance.now() >= waitUntil) {
      f();
      return;
    }
    var done = false;
    var go = function() {
      if (done) return;
      done = true;
      speechSynthesis.removeEventListener('voiceschanged', go);
      f();
    };
    speechSynthesis.addEventListener('voiceschanged', go);
    setTimeout(go, waitUntil - performance.now());
  },

  listVoices: function() {
    var v = [];
    if (this.workerState === 'ready' && !/[?&]embedded=off/.test(location.search))
      this.embedded.forEach(function(e) {
        v.push({kind: 'embedded', id: e[1] ? e[0] + '+' + e[1] : e[0], name: e[2]});
      });
    if (!/[?&]reader=off/.test(location.search)) v.push({kind: 'reader', name: 'Screen reader'});
    if (window.speechSynthesis && !/[?&]system=off/.test(location.search))
      speechSynthesis.getVoices().forEach(function(s) {
        if (/^en/i.test(s.lang)) v.push({kind: 'system', voice: s, name: s.name + ' (browser voice)'});
      });
    this.voices = v;
    this.current = 0;
  },
  select: function(index) {
    if (index < 0 || index >= this.voices.length) return false;
    this.current = index;
    return true;
  },

  // The game's rate (-10..10) as espeak-ng's words a minute, and as a speed factor.
  wordsPerMinute: function(rate) {
    rate = Math.max(-10, Math.min(10, rate));
    return Math.round(rate >= 0 ? 175 * Math.pow(450 / 175, rate / 10) : 175 * Math.pow(80 / 175, -rate / 10));
  },
  factor: function(rate) { return Math.pow(3, Math.max(-10, Math.min(10, rate)) / 10); },

  speak: function(text, flag) {
    if (flag === 2) this.purge();
    if (!text) return;
    var voice = this.voices[this.current];
    if (!voice) return;
    this.queue.push({seq: ++this.seq, text: text, voice: voice, rate: this.rate, volume: this.volume});
    this.pump();
  },

  // Starts what can start: embedded lines go to the worker at once (their audio is queued in
  // order); a line of another kind waits until everything before it has been heard.
  pump: function() {
    while (this.queue.length) {
      var line = this.queue[0];
      if (line.voice.kind === 'embedded') {
        if (this.systemBusy() || this.readerBusy()) break;
        this.queue.shift();
        this.synthesize(line);
      } else {
        if (this.embeddedBusy() || (line.voice.kind === 'system' ? this.readerBusy() : this.systemBusy())) break;
        this.queue.shift();
        if (line.voice.kind === 'reader') this.toReader(line);
        else this.toSystem(line);
      }
    }
    var self = this;
    if (this.queue.length && !this.pumpTimer)
      this.pumpTimer = setTimeout(function() { self.pumpTimer = 0; self.pump(); }, 20);
  },

  busy: function() {
    return this.queue.length > 0 || this.embeddedBusy() || this.readerBusy() || this.systemBusy();
  },

  purge: function() {
    this.queue = [];
    ++this.generation;
    this.pending = {};
    this.pendingCount = 0;
    var a = Dravlen.audio;
    if (this.out && a) {
      // Silent at once; the sources are stopped just after, so the cut does not click.
      this.out.gain.cancelScheduledValues(a.currentTime);
      this.out.gain.setValueAtTime(this.out.gain.value, a.currentTime);
      this.out.gain.linearRampToValueAtTime(0, a.currentTime + 0.003);
      var stopAt = a.currentTime + 0.004;
      this.sources.forEach(function(s) { try { s.stop(stopAt); } catch (e) {} });
    }
    this.sources = [];
    this.out = null;
    this.playHead = 0;
    this.readerUntil = 0;
    if (this.systemPending && window.speechSynthesis) speechSynthesis.cancel();
    this.systemPending = 0;
  },

  // ---- Embedded voices.
  embeddedBusy: function() {
    var a = Dravlen.audio;
    return this.pendingCount > 0 || (a && a.currentTime < this.playHead);
  },
  synthesize: function(line) {
    if (!this.worker || !Dravlen.audio) return;
    this.pending[line.seq] = true;
    ++this.pendingCount;
    this.worker.postMessage({seq: line.seq, generation: this.generation, text: line.text,
                             voice: line.voice.id, wpm: this.wordsPerMinute(line.rate), volume: line.volume});
  },
  fromWorker: function(m) {
    if (m.type === 'ready') {
      this.sampleRate = m.sampleRate;
      this.workerState = 'ready';
      this.ready();
      return;
    }
    if (m.type === 'failed') {
      console.warn('Dravlen: the embedded voices could not start: ' + m.why);
      this.workerState = 'failed';
      this.ready();
      return;
    }
    if (m.generation !== this.generation) return;  // purged meanwhile
    if (m.type === 'chunk') this.play(m.samples, m.volume);
    if (m.type === 'done' && this.pending[m.seq]) {
      delete this.pending[m.seq];
      --this.pendingCount;
      this.pump();
    }
  },
  play: function(samples, volume) {
    var a = Dravlen.audio;
    if (!samples.length) return;
    if (!this.out) {
      this.out = a.createGain();
      this.out.connect(a.destination);
    }
    var buffer = a.createBuffer(1, samples.length, this.sampleRate || 22050);
    var data = buffer.getChannelData(0);
    var gain = Math.max(0, Math.min(100, volume)) / 100 / 32768;
    for (var i = 0; i < samples.length; ++i) data[i] = samples[i] * gain;
    var source = a.createBufferSource();
    source.buffer = buffer;
    source.connect(this.out);
    var at = Math.max(a.currentTime, this.playHead);
    source.start(at);
    this.playHead = at + buffer.duration;
    var sources = this.sources;
    sources.push(source);
    source.onended = function() {
      var i = sources.indexOf(source);
      if (i >= 0) sources.splice(i, 1);
    };
  },

  // ---- The screen reader: each line is a new paragraph in one of two live regions taken in
  // turn, so that a line said twice is announced twice. Its length is estimated at the rate.
  readerBusy: function() { return performance.now() / 1000 < this.readerUntil; },
  toReader: function(line) {
    var region = Dravlen.el(this.readerTurn ? 'speech-b' : 'speech-a');
    var other = Dravlen.el(this.readerTurn ? 'speech-a' : 'speech-b');
    this.readerTurn ^= 1;
    if (other) other.textContent = '';
    if (region) {
      region.textContent = '';
      var p = document.createElement('p');
      p.textContent = line.text;
      region.appendChild(p);
    }
    var now = performance.now() / 1000;
    this.readerUntil = Math.max(now, this.readerUntil) + (0.3 + 0.06 * line.text.length) / this.factor(line.rate);
  },

  // ---- The browser's voices.
  systemBusy: function() { return this.systemPending > 0; },
  toSystem: function(line) {
    var self = this, generation = this.generation;
    var u = new SpeechSynthesisUtterance(line.text);
    u.voice = line.voice.voice;
    u.rate = Math.max(0.1, Math.min(10, this.factor(line.rate)));
    u.volume = Math.max(0, Math.min(100, line.volume)) / 100;
    var end = function() {
      if (generation === self.generation && self.systemPending > 0) --self.systemPending;
      self.pump();
    };
    u.onend = end;
    u.onerror = end;
    ++this.systemPending;
    speechSynthesis.speak(u);
  },
};

// ?seed=N: the same draws again, so that a game can be replayed. The program takes it as its
// runner does, as --seed N (read from Module before the program is set up, so here).
(function() {
  var seed = /[?&]seed=(\d+)/.exec(location.search);
  if (seed) Module['arguments'] = ['--seed', seed[1]];
})();
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() { Dravlen.restore(); });

(function() {
  var setUp = function() {
    Dravlen.speech.startWorker();
    Dravlen.speech.askSystemVoices();
    var start = Dravlen.el('start');
    start.addEventListener('click', function() { Dravlen.pressStart(); });
    start.addEventListener('keydown', function(e) {
      if (e.key === 'Tab' || e.key === 'Shift' || e.key === 'Control' || e.key === 'Alt' || e.key === 'Meta') return;
      e.preventDefault();
      e.stopPropagation();
      Dravlen.pressStart();
    });
    var message = Dravlen.el('message');
    message.addEventListener('keydown', function(e) {
      e.preventDefault();
      e.stopPropagation();
      Dravlen.closeMessage();
    });
    Dravlen.el('message-ok').addEventListener('click', function() { Dravlen.closeMessage(); });
    Dravlen.el('download').addEventListener('click', function() { Dravlen.downloadTranscript(); });
    Dravlen.el('again').addEventListener('click', function() { location.reload(); });
    window.addEventListener('pagehide', function() { Dravlen.close(); });
    document.addEventListener('visibilitychange', function() {
      if (document.visibilityState === 'hidden') Dravlen.persist(true);
    });
    start.focus();
  };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', setUp);
  else setUp();
})();
