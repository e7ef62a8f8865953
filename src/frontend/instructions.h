// The instructions, read aloud on request.
#pragma once

#include <string>

#include "frontend/form.h"

namespace dravlen {

std::string instructionsText();  // the 64 pieces joined
void readins(Form& f);

}  // namespace dravlen
