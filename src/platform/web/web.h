// The browser platform: the page's game element for the window and keys, Emscripten's OpenAL on
// Web Audio for sounds, and speech through the page (espeak-ng in a worker, the player's screen
// reader through live regions, or the browser's own voices).
//
// The game runs on the page's one thread. Every wait yields to the browser through Asyncify:
// the program's stack is put aside, the page goes on handling keys and audio, and the wait
// resumes when its deadline passes or a key arrives. Nothing here ever blocks the page.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace dravlen::web {

// Where the page keeps the player's files (kept across reloads by the page) and the sounds.
inline constexpr const char* kSettingsFolder = "/dravlen/settings";
inline constexpr const char* kProgramFolder = "/dravlen/program";
// The current folder. It holds the page's own menu, to which the game hands over at its end.
inline constexpr const char* kHomeFolder = "/dravlen/home";

// Sleeps, yielding to the page, for `seconds` (less than 0: until woken by the page).
void sleepFor(double seconds);

// Whether the player has pressed the page's Start button yet.
bool startPressed();
// Returns once the player has pressed the page's Start button (a key or a click), which is
// what lets the page's audio start; that key never reaches the game.
void waitForStart();

// The page shows every transcript line as it is written, and keeps the folder.
void transcriptLine(const std::string& line);
// The game has come to its end: the page offers to play again.
void gameEnded();

class WebPlatform {
public:
    // Opens the sound on the page's audio context and takes the game element's keys. Null, with
    // a sentence saying why in *error, when the browser has no Web Audio.
    static std::unique_ptr<WebPlatform> create(std::string* error);
    ~WebPlatform();
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

    Platform platform();

    // A sound file of the program folder that is not there yet is made by `make` when the game
    // first loads it (the pack is generated in the browser, not downloaded).
    void setSoundMaker(std::function<void(const std::string& path)> make);

    struct Parts;

private:
    explicit WebPlatform(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

}  // namespace dravlen::web
