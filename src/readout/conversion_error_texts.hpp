#pragma once

// The error of reading a typed decimal number into a format: the typed number minus the
// stored X, exactly, and the same in units of ULP(X) (numeric/conversion_error.hpp).

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <string>
#include <string_view>

namespace binora {

// For a decimal text `typed` that read_typed_value read as a number into `word`, a finite
// number of `format`: writes the two texts and returns true. Returns false, writing nothing,
// for anything else (an infinity or NaN spelling, a text without a number, a NaN or an
// infinity stored).
bool write_conversion_error(const FormatTraits& format, std::string_view typed, Word128 word,
                            std::string& error, std::string& error_ulps);

} // namespace binora
