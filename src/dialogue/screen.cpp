// Screen memory, yes/no questions, the key and digit readers: what every screen speaks and asks with.
#include "dialogue/screen.h"

#include "dialogue/ending.h"
#include "frontend/keys.h"
#include "frontend/speech.h"

namespace dravlen {

namespace {

constexpr int kSlots = 20;

void remember(Trip& t) {
    if (t.screenLineCount < 32767) ++t.screenLineCount;
    if (t.screenLineCount <= kSlots) t.screenLines[t.screenLineCount] = t.prompt;
    if (t.prompt.find("Approximate fuel") != std::string::npos) t.fuelLine = t.prompt;
}

int keyCode(const std::string& g) {
    try {
        return std::stoi(g);
    } catch (...) {
        return 0;
    }
}

}  // namespace

void clearScreen(Trip& t) {
    for (int i = 1; i <= t.screenLineCount && i <= kSlots; ++i) t.screenLines[i].clear();
    t.screenLineCount = 0;
    t.fuelLine.clear();
}

void sayLine(Form& f, Trip& t) {
    say2(f, t.prompt);
    remember(t);
}

void sayLineWait(Form& f, Trip& t) {
    say(f, t.prompt);
    remember(t);
}

void sayLine(Form& f, Trip& t, const std::string& text) {
    t.prompt = text;
    sayLine(f, t);
}

void sayLineWait(Form& f, Trip& t, const std::string& text) {
    t.prompt = text;
    sayLineWait(f, t);
}

void repeatInfo(Form& f, Trip& t) {
    clk(f);
    for (int i = 1; i <= t.screenLineCount - 1 && i <= kSlots; ++i) say2(f, t.screenLines[i]);
    t.answer = 3;
}

void repeatFuel(Form& f, Trip& t) {
    clk(f);
    say2(f, t.fuelLine);
    t.answer = 3;
}

namespace {

// The keys every question answers alike: Esc asks whether to leave (and returns only when the
// player stays), F1 asks again, F2 and F3 replay the screen and the fuel line. True when the
// key was one of them; the question then returns with answer 3.
bool questionKey(Form& f, Trip& t) {
    if (f.g == "27")
        exitQuestion(f, t);
    else if (f.g == "112")
        t.answer = 3;
    else if (f.g == "113")
        repeatInfo(f, t);
    else if (f.g == "114")
        repeatFuel(f, t);
    else
        return false;
    return true;
}

}  // namespace

void yesNo(Form& f, Trip& t) {
    t.answer = 1;
    clk(f);
    for (;;) {
        say2(f, t.answer == 1 ? " yes " : " no ");
        getkey(f);
        if (f.g == "13") return;
        if (f.g == "38" || f.g == "40") {
            t.answer = t.answer == 1 ? 2 : 1;
            continue;
        }
        if (questionKey(f, t)) return;
        saykey(f);
        t.answer = 3;
        if (f.g2 == "y") t.answer = 1;
        if (f.g2 == "n") t.answer = 2;
        return;
    }
}

void menuKey(Form& f, Trip& t) {
    t.answer = 0;
    t.keyValue = 0;
    t.badKey = 0;
    clk(f);
    getkey(f);
    if (questionKey(f, t)) return;
    saykey(f);
    int v = keyCode(f.g);
    if (v > 95 && v < 106) v -= 48;  // keypad digits read as the top-row digits
    t.keyValue = static_cast<int16_t>(v);
    if (t.digitsOnly == 1 && (v < 48 || v > 57)) t.badKey = 1;
    t.keyChar = keyChar(v);
}

void digitEntry(Form& f, Trip& t) {
    t.typedNumber = 0;
    for (;;) {
        menuKey(f, t);
        if (t.keyValue == 13) return;
        if (t.keyValue < 48 || t.keyValue > 57) {
            t.badKey = 1;
            return;
        }
        t.typedNumber = t.typedNumber * 10 + (t.keyValue - 48);
    }
}

}  // namespace dravlen
