// Turning an SDL key-down into the Windows virtual-key code the game works in.
#include "platform/desktop/key_map.h"

#include <SDL_keyboard.h>

namespace dravlen::desktop {

namespace {

struct Pair {
    int from;
    int code;
};

// Keys that do not depend on the layout.
constexpr Pair fixedKeys[] = {
    {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},
    {SDLK_LSHIFT, 16}, {SDLK_RSHIFT, 16}, {SDLK_LCTRL, 17}, {SDLK_RCTRL, 17},
    {SDLK_LALT, 18}, {SDLK_RALT, 18}, {SDLK_PAUSE, 19}, {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32}, {SDLK_PAGEUP, 33}, {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35}, {SDLK_HOME, 36}, {SDLK_LEFT, 37}, {SDLK_UP, 38}, {SDLK_RIGHT, 39},
    {SDLK_DOWN, 40}, {SDLK_PRINTSCREEN, 44}, {SDLK_INSERT, 45}, {SDLK_DELETE, 46},
    {SDLK_LGUI, 91}, {SDLK_RGUI, 92}, {SDLK_APPLICATION, 93},
    {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107}, {SDLK_KP_MINUS, 109}, {SDLK_KP_DIVIDE, 111},
    {SDLK_F1, 112}, {SDLK_F2, 113}, {SDLK_F3, 114}, {SDLK_F4, 115}, {SDLK_F5, 116},
    {SDLK_F6, 117}, {SDLK_F7, 118}, {SDLK_F8, 119}, {SDLK_F9, 120}, {SDLK_F10, 121},
    {SDLK_F11, 122}, {SDLK_F12, 123}, {SDLK_SCROLLLOCK, 145},
};

// The punctuation keys by the character they give (US names of the Windows OEM keys).
constexpr Pair punctuation[] = {
    {';', 186}, {'=', 187}, {',', 188}, {'-', 189}, {'.', 190}, {'/', 191}, {'`', 192},
    {'[', 219}, {'\\', 220}, {']', 221}, {'\'', 222},
};

// The same keys by their position, for layouts whose characters there are not these.
constexpr Pair punctuationPositions[] = {
    {SDL_SCANCODE_SEMICOLON, 186}, {SDL_SCANCODE_EQUALS, 187}, {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189}, {SDL_SCANCODE_PERIOD, 190}, {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192}, {SDL_SCANCODE_LEFTBRACKET, 219}, {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_NONUSBACKSLASH, 220}, {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
};

// Keypad keys with NumLock off act as the navigation keys printed on them (5 is Clear).
constexpr int keypadNavigation[10] = {45, 35, 40, 34, 37, 12, 39, 36, 38, 33};

int find(const Pair* table, int size, int key) {
    for (int i = 0; i < size; ++i)
        if (table[i].from == key) return table[i].code;
    return 0;
}

template <int N>
int find(const Pair (&table)[N], int key) {
    return find(table, N, key);
}

int keypadDigit(int keycode) {
    if (keycode == SDLK_KP_0) return 0;
    if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9) return keycode - SDLK_KP_1 + 1;
    return -1;
}

}  // namespace

int virtualKeyCode(int keycode, int scancode, int mod) {
    if (keycode == SDLK_NUMLOCKCLEAR || scancode == SDL_SCANCODE_NUMLOCKCLEAR) return 0;

    bool numLock = (mod & KMOD_NUM) != 0;
    int digit = keypadDigit(keycode);
    if (digit >= 0) return numLock ? 96 + digit : keypadNavigation[digit];
    if (keycode == SDLK_KP_PERIOD) return numLock ? 110 : 46;

    if (int code = find(fixedKeys, keycode)) return code;

    // Letters and digits by the character the key gives in the current layout.
    if (keycode >= 'a' && keycode <= 'z') return 'A' + (keycode - 'a');
    if (keycode >= '0' && keycode <= '9') return keycode;
    if (int code = find(punctuation, keycode)) return code;

    // A key whose character is none of those (another alphabet, an accented letter, a
    // shifted digit row): fall back on its position on a US keyboard.
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    return find(punctuationPositions, scancode);
}

}  // namespace dravlen::desktop
