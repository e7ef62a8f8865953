// Key-downs as SDL reports them (numbers measured under X11) turned into Windows virtual-key codes.
#include <gtest/gtest.h>

#include "platform/desktop/key_map.h"

using dravlen::desktop::virtualKeyCode;

namespace {

// SDL's key code for a key without a character is its scan code with bit 30 set.
constexpr int special(int scancode) { return scancode | (1 << 30); }
constexpr int num = 0x1000;  // NumLock on
constexpr int shift = 0x0001;

TEST(KeyMap, CodesByTheLayoutsCharacterThenByPosition) {
    // keycode, scancode, mod, code; keycode 0 stands for a key without a character: special(scancode).
    const int cases[][4] = {
        // Letters by the character the layout gives (AZERTY's "a" sits on the US "Q"); Shift changes
        // nothing; a letter of another alphabet (Cyrillic "ef") falls back on the key's position.
        {'a', 4, 0, 65}, {'z', 29, 0, 90}, {'a', 20, 0, 65}, {'n', 17, shift, 78}, {0x444, 4, 0, 65},
        // Top-row digits, also where AZERTY gives "&" or an accented letter unshifted.
        {'1', 30, 0, 49}, {'7', 36, 0, 55}, {'0', 39, 0, 48}, {'&', 30, 0, 49}, {0xe0, 39, 0, 48},
        // Enter and keypad Enter (NumLock either way), the control keys, both Shifts, Ctrls and Alts.
        {'\r', 40, 0, 13}, {0, 88, 0, 13}, {0, 88, num, 13}, {'\b', 42, 0, 8}, {'\t', 43, 0, 9}, {0x1b, 41, 0, 27},
        {' ', 44, 0, 32}, {0, 225, 0, 16}, {0, 229, 0, 16}, {0, 224, 0, 17}, {0, 228, 0, 17}, {0, 226, 0, 18},
        {0, 230, 0, 18},
        // Page Up/Down, End, Home, the arrows, Insert, Delete (whose key code is the DEL character).
        {0, 75, 0, 33}, {0, 78, 0, 34}, {0, 77, 0, 35}, {0, 74, 0, 36}, {0, 80, 0, 37}, {0, 82, 0, 38},
        {0, 79, 0, 39}, {0, 81, 0, 40}, {0, 73, 0, 45}, {0x7f, 76, 0, 46},
        // The keypad's point; the NumLock key itself; a key with no known character or position.
        {0, 99, num, 110}, {0, 99, 0, 46}, {0, 83, 0, 0}, {0, 83, num, 0}, {0, 300, 0, 0},
        // Punctuation by character, then by US position (AZERTY's comma on the M key, German o-umlaut).
        {';', 51, 0, 186}, {'=', 46, 0, 187}, {',', 54, 0, 188}, {'-', 45, 0, 189}, {'.', 55, 0, 190},
        {'/', 56, 0, 191}, {'`', 53, 0, 192}, {'[', 47, 0, 219}, {'\\', 49, 0, 220}, {']', 48, 0, 221},
        {'\'', 52, 0, 222}, {',', 16, 0, 188}, {0xf6, 51, 0, 186},
    };
    for (auto [keycode, scancode, mod, code] : cases)
        EXPECT_EQ(virtualKeyCode(keycode ? keycode : special(scancode), scancode, mod), code)
            << "keycode " << keycode << " scancode " << scancode << " mod " << mod;

    for (int i = 0; i < 12; ++i) EXPECT_EQ(virtualKeyCode(special(58 + i), 58 + i, 0), 112 + i) << "F" << i + 1;
    // Keypad 0-9: 96-105 with NumLock on; off, the key printed on them (5 is Clear).
    const int numLockOff[] = {45, 35, 40, 34, 37, 12, 39, 36, 38, 33};
    for (int d = 0; d <= 9; ++d) {
        int scancode = d ? 88 + d : 98;
        EXPECT_EQ(virtualKeyCode(special(scancode), scancode, num), 96 + d) << "keypad " << d;
        EXPECT_EQ(virtualKeyCode(special(scancode), scancode, 0), numLockOff[d]) << "keypad " << d;
    }
}

}  // namespace
