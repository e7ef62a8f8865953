// Turning a browser key-down into the Windows virtual-key code the game works in.
#include "platform/web/key_map.h"

namespace dravlen::web {

namespace {

struct Pair {
    std::string_view from;
    int code;
};

// Keys named by KeyboardEvent.key whatever the layout. A keypad key with NumLock off names the
// navigation key printed on it, and so becomes that key, as on Windows.
constexpr Pair namedKeys[] = {
    {"Enter", 13}, {"Backspace", 8}, {"Tab", 9}, {"Shift", 16}, {"Control", 17}, {"Alt", 18},
    {"AltGraph", 18}, {"Pause", 19}, {"CapsLock", 20}, {"Escape", 27}, {"Esc", 27}, {" ", 32},
    {"Spacebar", 32}, {"PageUp", 33}, {"PageDown", 34}, {"End", 35}, {"Home", 36},
    {"ArrowLeft", 37}, {"Left", 37}, {"ArrowUp", 38}, {"Up", 38}, {"ArrowRight", 39}, {"Right", 39},
    {"ArrowDown", 40}, {"Down", 40}, {"Clear", 12}, {"PrintScreen", 44}, {"Insert", 45},
    {"Delete", 46}, {"Del", 46}, {"Meta", 91}, {"OS", 91}, {"ContextMenu", 93},
    {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115}, {"F5", 116}, {"F6", 117}, {"F7", 118},
    {"F8", 119}, {"F9", 120}, {"F10", 121}, {"F11", 122}, {"F12", 123}, {"ScrollLock", 145},
};

// Keypad keys by position (KeyboardEvent.code) when they give a character.
constexpr Pair keypad[] = {
    {"NumpadMultiply", 106}, {"NumpadAdd", 107}, {"NumpadSubtract", 109}, {"NumpadDecimal", 110},
    {"NumpadDivide", 111}, {"NumpadEnter", 13},
};

// The punctuation keys by the character they give (US names of the Windows OEM keys).
constexpr Pair punctuation[] = {
    {";", 186}, {"=", 187}, {",", 188}, {"-", 189}, {".", 190}, {"/", 191}, {"`", 192},
    {"[", 219}, {"\\", 220}, {"]", 221}, {"'", 222},
};

// The same keys by their position, for layouts whose characters there are not these.
constexpr Pair punctuationPositions[] = {
    {"Semicolon", 186}, {"Equal", 187}, {"Comma", 188}, {"Minus", 189}, {"Period", 190},
    {"Slash", 191}, {"Backquote", 192}, {"BracketLeft", 219}, {"Backslash", 220},
    {"IntlBackslash", 220}, {"BracketRight", 221}, {"Quote", 222},
};

template <int N>
int find(const Pair (&table)[N], std::string_view s) {
    for (const Pair& p : table)
        if (p.from == s) return p.code;
    return 0;
}

}  // namespace

int virtualKeyCode(std::string_view key, std::string_view code) {
    if (key == "NumLock" || code == "NumLock") return 0;

    if (code.starts_with("Numpad")) {
        // A keypad digit with NumLock on gives its digit; with NumLock off it names a navigation key.
        if (code.size() == 7 && code[6] >= '0' && code[6] <= '9' && key.size() == 1 && key[0] >= '0' && key[0] <= '9')
            return 96 + (code[6] - '0');
        if (int c = find(namedKeys, key)) return c;
        if (code == "NumpadDecimal" && key.size() == 1) return 110;
        if (int c = find(keypad, code); c && code != "NumpadDecimal") return c;
    }

    if (int c = find(namedKeys, key)) return c;

    // Letters and digits by the character the key gives in the current layout.
    if (key.size() == 1) {
        char k = key[0];
        if (k >= 'a' && k <= 'z') return 'A' + (k - 'a');
        if (k >= 'A' && k <= 'Z') return k;
        if (k >= '0' && k <= '9') return k;
        if (int c = find(punctuation, key)) return c;
    }

    // A key whose character is none of those (another alphabet, an accented letter, a shifted
    // digit row, a dead key): fall back on its position on a US keyboard.
    if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z') return code[3];
    if (code.size() == 6 && code.starts_with("Digit") && code[5] >= '0' && code[5] <= '9') return code[5];
    return find(punctuationPositions, code);
}

}  // namespace dravlen::web
