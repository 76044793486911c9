#pragma once

// The class text of a datum, as the window's class read-out shows it.

#include "model/format_traits.hpp"
#include "numeric/classify.hpp"

#include <string>
#include <string_view>

namespace binora {

// The text of the class the flags name in language `lang` (1 Romanian, 2 English): the
// first of zero, subnormal, infinity and NaN that is set, otherwise a normal number of data
// kind `kind` ("Normalized Number: Real(8)"; for a kind other than 4, 8 and 16, which no
// format has, written into `room`). A text without padding.
std::string_view class_text(const ClassFlags& flags, int kind, int lang, std::string& room);

// The same for a datum of `format`: a normal number of a narrow format names the format
// ("Normalized Number: binary16").
std::string_view class_text(const ClassFlags& flags, const FormatTraits& format, int lang,
                            std::string& room);

} // namespace binora
