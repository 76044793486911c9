#pragma once

// The interface language binora-arith starts in: the desktop locale's, Romanian where it is
// Romanian and English elsewhere.

#include "model/language.hpp"

namespace binora {

// The values of LC_ALL, LC_MESSAGES and LANG (nullptr where unset): the first one set and not
// empty names the locale of messages, as POSIX orders them. Romanian when that name is "ro"
// or begins with "ro_", "ro." or "ro@"; English otherwise.
Language desktop_language(const char* lc_all, const char* lc_messages, const char* lang);

} // namespace binora
