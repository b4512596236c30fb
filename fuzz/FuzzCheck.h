#pragma once
// The one way a fuzz target reports a broken property: a message and an abort, which libFuzzer
// records as a crash together with the input.

#include <cstdio>
#include <cstdlib>

namespace lampen::fuzz {

inline void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz: check failed: %s\n", what);
        std::abort();
    }
}

} // namespace lampen::fuzz
