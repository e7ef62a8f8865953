// Voice, rate and volume settings: the adjusters, the voice chooser and the settings file.
#pragma once

#include <string>

#include "frontend/form.h"

namespace dravlen {

// A setting as the whole number the engine takes (halves to even; kept within int range).
int engineInt(double x);

// The path of the entry of `folder` whose lower-case name is `lowerName` (the exact name first);
// empty when there is none.
std::string findAnyCase(const std::string& folder, const std::string& lowerName);

void getkp(Form& f);        // the settings folder
void readSettings(Form& f); // the legacy file in the current folder, then the settings file in kp
void applySettings(Form& f);// select voice nv, rate vr, volume vv
void printCFG(Form& f);     // write the settings file (atomically)
void adjrate(Form& f);
void adjvol(Form& f);
void changevoice(Form& f);

}  // namespace dravlen
