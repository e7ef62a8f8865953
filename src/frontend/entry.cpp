// Typed entry: a question answered by typing and Enter; the text is left in f.r.
#include "frontend/entry.h"

#include "frontend/keys.h"
#include "frontend/speech.h"

namespace dravlen {

namespace {

unsigned char upperChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

}  // namespace

void getter(Form& f, const std::string& question) {
    bool shift = false;  // applies to the next key only; kept when the entry starts over
    for (;;) {
        clk(f);
        say2(f, question);
        f.r.clear();
        bool restart = false;
        while (!restart) {
            getkey(f);
            if (f.g == "188") {
                clk(f);
                say2(f, " comma ");
                continue;
            }
            if (f.g == "112") {
                restart = true;
                continue;
            }
            if (f.g == "16") {
                shift = true;
                continue;
            }
            if (shift) {
                shift = false;
                for (char& c : f.g2) c = static_cast<char>(upperChar(static_cast<unsigned char>(c)));
            }
            if (f.g == "8") {
                if (f.r.empty()) continue;
                f.g2 = f.r.substr(f.r.size() - 1);
                saykey(f);
                f.r.pop_back();
                continue;
            }
            if (f.g == "13") return;
            saykey(f);
            f.r += f.g2;
        }
    }
}

}  // namespace dravlen
