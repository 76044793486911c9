#pragma once

// The number conversions of the C libraries and MPFR (strtof, strtod, mpfr_strtofr, snprintf,
// quadmath_snprintf) follow the calling thread's locale, and the window system switches the
// process to the user's locale at start-up: under a locale whose decimal separator is a
// comma, "1.5" would read as 1 and 1.5 would print as "1,5". Every conversion of the engine
// therefore runs inside a ClassicLocaleScope, which puts the calling thread in the "C"
// locale and restores the previous thread locale when it ends.

#include <locale.h>

namespace binora {

class ClassicLocaleScope {
  public:
    ClassicLocaleScope();
    ~ClassicLocaleScope();
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

  private:
    locale_t previous_;
};

} // namespace binora
