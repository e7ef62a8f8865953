// Voice, rate and volume settings: the adjusters, the voice chooser and the settings file.
#pragma once

#include "frontend/form.h"

namespace dravlen {

void getkp(Form& f);        // the settings folder
void readSettings(Form& f); // the legacy file in the current folder, then the settings file in kp
void applySettings(Form& f);// select voice nv, rate vr, volume vv
void printCFG(Form& f);     // write the settings file (atomically)
void adjrate(Form& f);
void adjvol(Form& f);
void changevoice(Form& f);

}  // namespace dravlen
