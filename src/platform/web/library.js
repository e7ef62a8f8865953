// The page's side of the browser platform: the functions the C++ side calls (linked with
// --js-library). The state they share with the page lives in `Dravlen` (pre.js).
mergeInto(LibraryManager.library, {
  // The one place the program sleeps: its stack is put aside (Asyncify) and the page runs on
  // until the deadline, a key, the Start button or the page's close wakes it.
  dravlen_sleep: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) {
      var done = false;
      var wake = function() {
        if (done) return;
        done = true;
        if (Dravlen.wakeSleeper === wake) Dravlen.wakeSleeper = null;
        clearTimeout(timer);
        wakeUp();
      };
      var timer = ms >= 0 ? setTimeout(wake, ms) : 0;
      Dravlen.wakeSleeper = wake;
    });
  },
  // Called from inside the program (a key's handler): the sleeper is woken once the program
  // has returned to the page.
  dravlen_wake: function() { Dravlen.wakeSoon(); },
  dravlen_started: function() { return Dravlen.started ? 1 : 0; },
  dravlen_closing: function() { return Dravlen.closing ? 1 : 0; },
  dravlen_set_title: function(text) { document.title = UTF8ToString(text); },
  dravlen_transcript: function(line) { Dravlen.transcriptLine(UTF8ToString(line)); },
  dravlen_message_show: function(text) { Dravlen.showMessage(UTF8ToString(text)); },
  dravlen_message_open: function() { return Dravlen.messageOpen ? 1 : 0; },
  dravlen_launch: function(path) { return Dravlen.handOff(UTF8ToString(path)) ? 1 : 0; },
  dravlen_game_ended: function() { Dravlen.gameEnded(); },
  dravlen_persist: function() { Dravlen.persist(false); },
  // A key wait with nothing playing and nothing to say: the page may rest its audio (see pre.js).
  dravlen_key_wait__deps: ['$AL', 'emscripten_alcDevicePauseSOFT', 'emscripten_alcDeviceResumeSOFT'],
  dravlen_key_wait: function(on) {
    var ctx = AL.currentCtx;
    if (!ctx) return;
    Dravlen.keyWait(on, {
      playing: function() {
        for (var i in ctx.sources) if (ctx.sources[i] && ctx.sources[i].state === 0x1012 /* AL_PLAYING */) return true;
        return false;
      },
      // OpenAL's own pause: the context suspended and its scheduling timer stopped.
      pause: function() { _emscripten_alcDevicePauseSOFT(ctx.deviceId); },
      resume: function() { _emscripten_alcDeviceResumeSOFT(ctx.deviceId); },
    });
  },
  dravlen_audio_ready__deps: ['$AL'],
  dravlen_audio_ready: function() {
    Dravlen.audioReady(AL.currentCtx ? AL.currentCtx.audioCtx : null);
  },

  dravlen_voice_count: function() { return Dravlen.speech.voices.length; },
  dravlen_voice_name: function(index, out, size) {
    var v = Dravlen.speech.voices[index];
    stringToUTF8(v ? v.name : '', out, size);
  },
  dravlen_voice_select: function(index) { return Dravlen.speech.select(index) ? 1 : 0; },
  dravlen_speech_rate: function(rate) { Dravlen.speech.rate = rate; },
  dravlen_speech_volume: function(volume) { Dravlen.speech.volume = volume; },
  dravlen_speak: function(text, flag) { Dravlen.speech.speak(UTF8ToString(text), flag); },
  dravlen_speech_busy: function() { return Dravlen.speech.busy() ? 1 : 0; },
});
