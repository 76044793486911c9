#pragma once

// With BINORA_FUZZ_TRACE set in the environment, the widget session target writes each user
// action to standard error as it does it: what a finding did, step by step.

#include <QString>

#include <cstdio>

namespace binora::fuzz {

inline void trace(const QString& action) {
    static const bool tracing = qEnvironmentVariableIsSet("BINORA_FUZZ_TRACE");
    if (tracing) std::fprintf(stderr, "action: %s\n", action.toUtf8().constData());
}

} // namespace binora::fuzz
