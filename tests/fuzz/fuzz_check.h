// What the fuzz targets share: a check that stops the run with the reason, so that libFuzzer
// keeps the input and a corpus replay fails.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace dravlen::fuzz {

inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace dravlen::fuzz
