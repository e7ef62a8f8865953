// Typed entry: a question answered by typing and Enter; the text is left in f.r.
#pragma once

#include <string>

#include "frontend/form.h"

namespace dravlen {

void getter(Form& f, const std::string& question);

}  // namespace dravlen
