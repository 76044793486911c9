#pragma once

// The class text of a datum, as the window's class read-out shows it.

#include "model/format_traits.hpp"
#include "model/language.hpp"
#include "numeric/format_word.hpp"

#include <string>
#include <string_view>

namespace binora {

// The text of the class the flags name in language `lang`: the first of zero, subnormal,
// infinity and NaN that is set, otherwise a normal number of `format`, named by its row
// ("Normalized Number: Real(8)", "Normalized Number: binary16"), which is written into
// `room`. A text without padding.
std::string_view class_text(const ClassFlags& flags, const FormatTraits& format, Language lang,
                            std::string& room);

} // namespace binora
