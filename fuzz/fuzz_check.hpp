#pragma once

// A property a fuzz target checks: when it does not hold, the input is a finding. The
// message goes to standard error and the process aborts, which libFuzzer records as a crash
// with the input saved.

#include <cstdio>
#include <cstdlib>

namespace binora::fuzz {

inline void check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

} // namespace binora::fuzz
