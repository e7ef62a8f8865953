// The page's functions the C++ side calls (library.js, linked with --js-library).
#pragma once

extern "C" {
// Yields to the page for `ms` milliseconds (less than 0: until woken); a key or the page's
// close wakes it at once.
void dravlen_sleep(int ms);
void dravlen_wake();
int dravlen_started();
int dravlen_closing();
void dravlen_set_title(const char* text);
void dravlen_transcript(const char* line);
void dravlen_message_show(const char* text);
int dravlen_message_open();
int dravlen_launch(const char* path);
void dravlen_game_ended();
// Keeps the settings folder in the browser's storage when a file in it has changed.
void dravlen_persist();
void dravlen_audio_ready();
// The game sleeps in a key wait without a deadline (1), or has woken from it (0).
void dravlen_key_wait(int on);

int dravlen_voice_count();
void dravlen_voice_name(int index, char* out, int size);
int dravlen_voice_select(int index);
void dravlen_speech_rate(int rate);
void dravlen_speech_volume(int volume);
void dravlen_speak(const char* text, int flag);
int dravlen_speech_busy();
}
