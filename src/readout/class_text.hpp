#pragma once

// The class text of a datum, as the window's class read-out shows it.

#include "numeric/classify.hpp"

#include <string>
#include <string_view>

namespace binora {

// The text of the class the flags name in language `lang` (1 Romanian, 2 English): the
// first of zero, subnormal, infinity and NaN that is set, otherwise a normal number of data
// kind `kind` ("Normalized Number: Real(8)"), which is written into `room`. Without padding.
std::string_view class_text(const ClassFlags& flags, int kind, int lang, std::string& room);

} // namespace binora
