#include "numeric/classic_locale.hpp"

namespace binora {

namespace {

// Created once and kept for the whole run; the "C" locale always exists, so only an
// out-of-memory failure could leave it null, and then the thread locale stays as it is.
locale_t classic_locale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

ClassicLocaleScope::ClassicLocaleScope()
    : previous_(classic_locale() != nullptr ? uselocale(classic_locale())
                                            : static_cast<locale_t>(nullptr)) {}

ClassicLocaleScope::~ClassicLocaleScope() {
    if (previous_ != nullptr) uselocale(previous_);
}

} // namespace binora
