// Speech output: every word the player hears leaves through these, and every line is logged.
#include "frontend/speech.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "world/numbers.h"

namespace dravlen {

void writeTranscriptLine(Form& f, const std::string& line) {
    // Once the game has begun to leave, the transcript is closed and nothing more belongs to it.
    if (f.leaving) return;
    // Written line by line, so a crash or a power cut loses nothing already spoken. A write
    // that fails (disk full, folder gone) is forgotten: speech goes on regardless.
    f.transcript.write(line + "\r\n");
    if (f.transcriptEcho) f.transcriptEcho(line);
}

std::string openTranscript(Form& f, const std::string& path) {
    // A second copy of the game playing from the same folder keeps its own transcript beside the
    // first one's ("dravlog2.txt" ...), so neither loses or overwrites a line of the other.
    const size_t dot = path.rfind(".txt");
    for (int copy = 1; copy <= 9; ++copy) {
        std::string name = path;
        if (copy > 1) name = dot == std::string::npos ? path + std::to_string(copy) : path.substr(0, dot) + std::to_string(copy) + path.substr(dot);
        LineFile::Open result = f.transcript.open(name);
        if (result == LineFile::Open::ok) return name;
        if (result == LineFile::Open::failed) return "";
    }
    return "";
}

void closeTranscript(Form& f) { f.transcript.close(); }

void say(Form& f, const std::string& text) {
    f.p.speech.speak(text, SpeakFlag::sync);
    writeTranscriptLine(f, text);
}

void say2(Form& f, const std::string& text) {
    f.p.speech.speak(text, SpeakFlag::async);
    writeTranscriptLine(f, text);
}

void stopspeech(Form& f) { f.p.speech.speak("", SpeakFlag::purge); }

namespace {

// Whole dollars in groups of three digits separated by commas ("###,###").
std::string groupedDigits(double whole) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", whole);
    std::string digits = buf, out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string dollarText(double a) {
    if (!std::isfinite(a)) return "";
    double dollars = std::trunc(a);
    // The cents are rounded half to even and held in a 16-bit integer; they lie within -100..100.
    int16_t cents = static_cast<int16_t>(rounded((a - dollars) * 100));
    std::string s;
    if (dollars >= 1) {
        s = groupedDigits(dollars) + " dollor";
        if (dollars > 1) s += "s";
        if (cents > 0) s += ", and, ";
    }
    if (cents >= 1) {
        s += " " + std::to_string(cents) + " cent";
        if (cents > 1) s += "s";
    }
    return s;
}

void saydoll(Form& f, double amount) { say(f, dollarText(amount)); }

}  // namespace dravlen
