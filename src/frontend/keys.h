// Key input: the pending key, the waits every question is built on, and the global special keys.
#pragma once

#include <string>

#include "frontend/form.h"

namespace dravlen {

void Form_KeyDown(Form& f, int keyCode);  // record the key in g and g2
std::string keyChar(int keyCode);         // the lower-case character with that code, as in g2
// Yield once to the window's event processing: keys land in g and g2; a close request leaves
// the game as "yes" to the exit question does. `until` is the monotonic time the caller next
// needs to look (0: just look).
void yieldOnce(Form& f, WaitKind why = WaitKind::other, double until = 0);
void clk(Form& f);
void getkey(Form& f);   // wait for a key; services Ctrl, F4, F5, F6 and F12 itself
// Runs what Ctrl, F4, F5 or F12 in g opens and returns true; false for any other key.
bool serviceSpecialKey(Form& f);
void saykey(Form& f);   // echo g2 quickly (not logged)
void spekey(Form& f);   // queue the special-key instructions
std::string specialKeyText();  // the pieces joined, F6 last
void dy(Form& f, double seconds);  // pause, yielding throughout

}  // namespace dravlen
