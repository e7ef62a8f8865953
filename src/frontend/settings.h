// Voice, rate and volume settings: the adjusters, the voice chooser and the settings file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "frontend/form.h"

namespace dravlen {

// A setting as the whole number the engine takes (halves to even; kept within int range).
int engineInt(double x);

// The path of the entry of `folder` whose lower-case name is `lowerName` (the exact name first);
// empty when there is none.
std::string findAnyCase(const std::string& folder, const std::string& lowerName);

// The numbers of a settings file's text, in order, as far as they read: blanks, line ends and
// commas separate them; the first thing that is not a finite number ends the list.
std::vector<double> settingsNumbers(std::string text);
// Applies the first `count` numbers, in order, to voice, rate, voice volume and sound volume;
// values that do not fit a setting are passed over and leave it as it was. Volumes are kept
// within what the voice and the sound device can play, so a file never makes anything louder.
void applyNumbers(Form& f, const std::vector<double>& numbers, size_t count);
// The settings file's text: the four settings, a line each.
std::string settingsText(const Form& f);

void getkp(Form& f);        // the settings folder
void readSettings(Form& f); // the legacy file in the current folder, then the settings file in kp
void applySettings(Form& f);// select voice nv, rate vr, volume vv
void printCFG(Form& f);     // write the settings file (atomically)
void adjrate(Form& f);
void adjvol(Form& f);
void changevoice(Form& f);

}  // namespace dravlen
