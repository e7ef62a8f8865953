// Key input: the pending key, the waits every question is built on, and the global special keys.
#include "frontend/keys.h"

#include "frontend/leave.h"
#include "frontend/settings.h"
#include "frontend/soundlist.h"
#include "frontend/speech.h"

namespace dravlen {

namespace {

// The lower-case form of one character of the Windows-1252 set, as the key handler has it.
unsigned char lowerChar(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

// Keys that print nothing: navigation keys, arrows, Windows keys and the function keys, whose
// codes happen to be those of punctuation or letters. Their characters are never echoed.
bool silentKeyCode(int code) {
    return (code >= 33 && code <= 40) || code == 45 || code == 46 || (code >= 91 && code <= 93) ||
           (code >= 112 && code <= 135);
}

}  // namespace

std::string keyChar(int keyCode) {
    if (keyCode < 0 || keyCode > 255) return "";
    return std::string(1, static_cast<char>(lowerChar(static_cast<unsigned char>(keyCode))));
}

void Form_KeyDown(Form& f, int keyCode) {
    f.g = std::to_string(keyCode);
    f.g2 = keyChar(keyCode);
}

void yieldOnce(Form& f, WaitKind why, double until) {
    WindowEvents ev = f.p.window.pump(why, until);
    for (int code : ev.keys) Form_KeyDown(f, code);
    // Closing the window leaves the game as a "yes" to the exit question does.
    if (ev.closeRequested && !f.leaving) saveAndLeave(f);
}

void clk(Form& f) {
    f.g.clear();
    yieldOnce(f);
    f.g2.clear();
    yieldOnce(f);
}

namespace {

// One turn of a key wait: yield, asleep in the window's event wait until a key or a close
// request comes; nothing else can end the wait.
void keyWaitTurn(Form& f) { yieldOnce(f, WaitKind::key, noDeadline); }

}  // namespace

bool serviceSpecialKey(Form& f) {
    if (f.g == "17") {
        adjrate(f);
    } else if (f.g == "115") {
        adjvol(f);
    } else if (f.g == "116") {
        spekey(f);
    } else if (f.g == "123") {
        changevoice(f);
    } else {
        return false;
    }
    return true;
}

void getkey(Form& f) {
    for (;;) {
        clk(f);
        while (f.g.empty()) keyWaitTurn(f);
        stopspeech(f);
        if (f.g == "117") {
            // The sound list hands back F1, so the caller asks its question again.
            soundList(f);
            return;
        }
        if (!serviceSpecialKey(f)) return;
    }
}

void saykey(Form& f) {
    f.p.speech.setRate(engineInt(f.vr + 5));
    f.p.speech.speak("", SpeakFlag::purge);
    if (f.g != "112") {
        int code = 0;
        try {
            code = std::stoi(f.g);
        } catch (...) {
            code = -1;
        }
        unsigned char c = f.g2.size() == 1 ? static_cast<unsigned char>(f.g2[0]) : 0;
        bool printable = c >= 0x20 && c < 0x7F;
        if (printable && !silentKeyCode(code)) f.p.speech.speak(f.g2, SpeakFlag::async);
    }
    f.p.speech.setRate(engineInt(f.vr));
}

std::string specialKeyText() {
    return "Special key instructions. "
           "f1 repeat current prompt. "
           "f2 repeat current information. "
           "f3 repeat fuel gage. "
           "f4 adjust volume. "
           "f5 repeat special key instructions. "
           "f12 change voice. "
           "control key change rate of speech. "
           "f6 learn the sounds. ";
}

void spekey(Form& f) {
    clk(f);
    say2(f, specialKeyText());
}

void dy(Form& f, double seconds) {
    // Measured on the monotonic clock, so a pause across midnight ends like any other.
    double start = f.p.clock.now();
    double end = start + seconds;
    double now = start;
    do {
        // Within a microsecond of the end, just look: the clock may not resolve a finer deadline.
        yieldOnce(f, WaitKind::other, now < end - 1e-6 ? end : 0);
        now = f.p.clock.now();
    } while (now <= end);
}

}  // namespace dravlen
