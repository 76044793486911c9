#pragma once

// What the number line shows for one computed operation: its caption and its marks, from the
// place of the exact result among the format's numbers (arith/number_line.hpp), in the
// interface language.

#include "arith/arithmetic.hpp"
#include "dialog/line_mark.hpp"
#include "model/language.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace binora {

struct LineContent {
    std::string caption;
    std::vector<LineMark> marks;
};

// The line of `arithmetic_case`, whose computation gave `result`; `result_value` is the
// result as the window shows it (its canonical value).
LineContent line_content(const ArithmeticCase& arithmetic_case, const ArithmeticResult& result,
                         std::string_view result_value, Language lang);

// Where a position beyond either end of the line is put: past the end by this much.
constexpr double BEYOND_THE_LINE = 1.0;

} // namespace binora
