// The embedded voices: espeak-ng (compiled for the web, English data only) in a module worker,
// so that synthesis never holds up the page. Each line comes with its sequence number and the
// page's purge generation; its samples go back in chunks as they are made, tagged with both, so
// that the page drops whatever belongs to a purged line.
import EspeakModule from './espeak-ng.js';

let engine = null;
let voice = '';
let wpm = 0;

EspeakModule().then((m) => {
  engine = new m.eSpeakNGWorker();
  postMessage({ type: 'ready', sampleRate: engine.get_samplerate() });
}).catch((e) => postMessage({ type: 'failed', why: String(e) }));

onmessage = (e) => {
  const line = e.data;
  if (!engine) {
    postMessage({ type: 'done', seq: line.seq, generation: line.generation });
    return;
  }
  if (line.voice !== voice) {
    engine.set_voice(line.voice);
    voice = line.voice;
  }
  if (line.wpm !== wpm) {
    engine.set_rate(line.wpm);
    wpm = line.wpm;
  }
  // Long texts (the instructions) go sentence by sentence, so that the first is heard at once.
  const parts = line.text.length > 300 ? line.text.split(/(?<=[.!?])\s+/) : [line.text];
  for (const part of parts) {
    engine.synthesize(part, (samples) => {
      postMessage({ type: 'chunk', seq: line.seq, generation: line.generation, samples, volume: line.volume },
                  [samples.buffer]);
      return false;
    });
  }
  postMessage({ type: 'done', seq: line.seq, generation: line.generation });
};
