// The browser's keys as the game's Windows key codes: by the key's meaning where the layout
// gives one, by its position where it does not, the keypad as Windows has it with and without
// NumLock.
#include <gtest/gtest.h>

#include "platform/web/key_map.h"

namespace dravlen::web {
namespace {

TEST(WebKeyMap, KeysAsTheGameKnowsThem) {
    struct Case {
        const char* key;
        const char* code;
        int expected;
    } cases[] = {
        {"Enter", "Enter", 13}, {"Enter", "NumpadEnter", 13}, {"Escape", "Escape", 27},
        {"ArrowUp", "ArrowUp", 38}, {"ArrowDown", "ArrowDown", 40}, {"Control", "ControlRight", 17},
        {"Shift", "ShiftLeft", 16}, {"Backspace", "Backspace", 8}, {"F1", "F1", 112},
        {"F5", "F5", 116}, {"F12", "F12", 123}, {" ", "Space", 32},
        {"a", "KeyA", 'A'}, {"Y", "KeyY", 'Y'}, {"7", "Digit7", '7'},
        // A German layout: z where a US keyboard has y, by its character.
        {"z", "KeyY", 'Z'},
        // Shifted digits and a letter of another alphabet: by position.
        {"&", "Digit1", '1'}, {"ф", "KeyA", 'A'}, {"Dead", "BracketLeft", 219},
        {",", "Comma", 188}, {".", "Period", 190},
        // The keypad: digits with NumLock on, the navigation keys printed on it without.
        {"5", "Numpad5", 101}, {"0", "Numpad0", 96}, {"ArrowUp", "Numpad8", 38}, {"Clear", "Numpad5", 12},
        {"End", "Numpad1", 35}, {".", "NumpadDecimal", 110}, {"Delete", "NumpadDecimal", 46},
        {"+", "NumpadAdd", 107},
        // Keys the game is not given.
        {"NumLock", "NumLock", 0}, {"Unidentified", "", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(virtualKeyCode(c.key, c.code), c.expected) << c.key << " / " << c.code;
}

}  // namespace
}  // namespace dravlen::web
