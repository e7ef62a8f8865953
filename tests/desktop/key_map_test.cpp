// Key-downs as SDL reports them (numbers measured under X11) turned into Windows virtual-key codes.
#include <gtest/gtest.h>

#include "platform/desktop/key_map.h"

using dravlen::desktop::virtualKeyCode;

namespace {

// SDL's key code for a key without a character is its scan code with bit 30 set.
constexpr int special(int scancode) { return scancode | (1 << 30); }
constexpr int numLock = 0x1000;
constexpr int shift = 0x0001;

int plain(int keycode, int scancode) { return virtualKeyCode(keycode, scancode, 0); }

TEST(KeyMap, LettersFollowTheLayoutNotThePosition) {
    EXPECT_EQ(plain('a', 4), 65);
    EXPECT_EQ(plain('z', 29), 90);
    EXPECT_EQ(plain('y', 28), 89);
    // AZERTY: the key in the US "Q" position gives "a".
    EXPECT_EQ(plain('a', 20), 65);
    // Shift does not change the code; Shift is its own key.
    EXPECT_EQ(virtualKeyCode('n', 17, shift), 78);
    // A letter of another alphabet falls back on the key's position.
    EXPECT_EQ(plain(0x444, 4), 65);  // Cyrillic "ef" on the A key
}

TEST(KeyMap, TopRowDigitsAndTheirPositions) {
    EXPECT_EQ(plain('7', 36), 55);
    EXPECT_EQ(plain('0', 39), 48);
    EXPECT_EQ(plain('1', 30), 49);
    // AZERTY's top row gives "&" and accented letters unshifted: still the digit keys.
    EXPECT_EQ(plain('&', 30), 49);
    EXPECT_EQ(plain(0xe0, 39), 48);
}

TEST(KeyMap, KeypadWithNumLockOnGivesKeypadDigits) {
    for (int d = 1; d <= 9; ++d)
        EXPECT_EQ(virtualKeyCode(special(88 + d), 88 + d, numLock), 96 + d) << d;
    EXPECT_EQ(virtualKeyCode(special(98), 98, numLock), 96);
    EXPECT_EQ(virtualKeyCode(special(99), 99, numLock), 110);  // keypad decimal point
    EXPECT_EQ(virtualKeyCode(special(88), 88, numLock), 13);   // keypad Enter
}

TEST(KeyMap, KeypadWithNumLockOffGivesNavigationKeys) {
    EXPECT_EQ(plain(special(96), 96), 38);  // 8: Up
    EXPECT_EQ(plain(special(90), 90), 40);  // 2: Down
    EXPECT_EQ(plain(special(92), 92), 37);  // 4: Left
    EXPECT_EQ(plain(special(94), 94), 39);  // 6: Right
    EXPECT_EQ(plain(special(95), 95), 36);  // 7: Home
    EXPECT_EQ(plain(special(89), 89), 35);  // 1: End
    EXPECT_EQ(plain(special(97), 97), 33);  // 9: Page Up
    EXPECT_EQ(plain(special(91), 91), 34);  // 3: Page Down
    EXPECT_EQ(plain(special(98), 98), 45);  // 0: Insert
    EXPECT_EQ(plain(special(99), 99), 46);  // .: Delete
    EXPECT_EQ(plain(special(88), 88), 13);  // Enter stays Enter
}

TEST(KeyMap, NumLockKeyItselfIsIgnored) {
    EXPECT_EQ(plain(special(83), 83), 0);
    EXPECT_EQ(virtualKeyCode(special(83), 83, numLock), 0);
}

TEST(KeyMap, ControlAndNavigationKeys) {
    EXPECT_EQ(plain('\r', 40), 13);
    EXPECT_EQ(plain('\b', 42), 8);
    EXPECT_EQ(plain('\t', 43), 9);
    EXPECT_EQ(plain(0x1b, 41), 27);
    EXPECT_EQ(plain(' ', 44), 32);
    EXPECT_EQ(plain(special(225), 225), 16);  // Left Shift
    EXPECT_EQ(plain(special(229), 229), 16);  // Right Shift
    EXPECT_EQ(plain(special(224), 224), 17);  // Left Ctrl
    EXPECT_EQ(plain(special(228), 228), 17);  // Right Ctrl
    EXPECT_EQ(plain(special(226), 226), 18);  // Left Alt
    EXPECT_EQ(plain(special(230), 230), 18);  // Alt Gr
    EXPECT_EQ(plain(special(75), 75), 33);
    EXPECT_EQ(plain(special(78), 78), 34);
    EXPECT_EQ(plain(special(77), 77), 35);
    EXPECT_EQ(plain(special(74), 74), 36);
    EXPECT_EQ(plain(special(80), 80), 37);
    EXPECT_EQ(plain(special(82), 82), 38);
    EXPECT_EQ(plain(special(79), 79), 39);
    EXPECT_EQ(plain(special(81), 81), 40);
    EXPECT_EQ(plain(special(73), 73), 45);
    EXPECT_EQ(plain(0x7f, 76), 46);  // Delete's key code is the DEL character
}

TEST(KeyMap, FunctionKeys) {
    for (int i = 0; i < 12; ++i) EXPECT_EQ(plain(special(58 + i), 58 + i), 112 + i) << "F" << i + 1;
}

TEST(KeyMap, PunctuationByCharacterThenByPosition) {
    const struct {
        int keycode, scancode, code;
    } keys[] = {{';', 51, 186}, {'=', 46, 187}, {',', 54, 188}, {'-', 45, 189}, {'.', 55, 190},
                {'/', 56, 191}, {'`', 53, 192}, {'[', 47, 219}, {'\\', 49, 220}, {']', 48, 221},
                {'\'', 52, 222}};
    for (const auto& k : keys) EXPECT_EQ(plain(k.keycode, k.scancode), k.code) << char(k.keycode);
    // AZERTY gives "," on the US "M" key: the character decides.
    EXPECT_EQ(plain(',', 16), 188);
    // German: the US ";" key gives o-umlaut; it falls back on its position.
    EXPECT_EQ(plain(0xf6, 51), 186);
    // A key with neither a known character nor a known position has no code.
    EXPECT_EQ(plain(special(300), 300), 0);
}

}  // namespace
