#include "arithwindow/number_line_marks.hpp"

#include "arith/number_line.hpp"
#include "arithwindow/arith_texts.hpp"

#include <cstdio>

namespace binora {

namespace {

// A text with one "%s" (or two) filled in.
std::string filled(const std::string& pattern, std::string_view first,
                   std::string_view second = {}) {
    const std::string a(first);
    const std::string b(second);
    const int size = std::snprintf(nullptr, 0, pattern.c_str(), a.c_str(), b.c_str());
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern.c_str(), a.c_str(), b.c_str());
    text.resize(static_cast<std::size_t>(size));
    return text;
}

std::string labelled(const TwoLanguageText& words, const std::string& text, Language lang) {
    return in_language(words, lang) + text;
}

} // namespace

LineContent line_content(const ArithmeticCase& c, const ArithmeticResult& result,
                         std::string_view result_value, Language lang) {
    const LineWords& w = LINE_WORDS;
    const auto say = [lang](const TwoLanguageText& text) { return in_language(text, lang); };
    LineContent line;
    const ExactPlace place = place_exact_result(c, result);
    const std::string exact_label = labelled(w.exact_label, place.exact_text, lang);
    switch (place.kind) {
    case ExactPlaceKind::none:
        line.caption = say(result.real == RealKind::nan ? w.nan : w.infinity);
        return line;
    case ExactPlaceKind::representable:
        line.caption = say(w.representable);
        line.marks = {
            {LineMarkKind::point, 0.0, say(w.lower_tag),
             labelled(place.low.in_format ? w.neighbour_below_label : w.beyond_label,
                      place.low.text, lang)},
            {LineMarkKind::point, place.middle_position, say(w.number_tag),
             labelled(w.number_label, place.middle.text, lang)},
            {LineMarkKind::point, 1.0, say(w.upper_tag),
             labelled(place.high.in_format ? w.neighbour_above_label : w.beyond_label,
                      place.high.text, lang)},
            {LineMarkKind::exact, place.exact_position, say(w.exact_tag), exact_label},
        };
        return line;
    case ExactPlaceKind::between:
        break;
    }
    const std::string_view direction = rounding_name(c.rounding);
    double rounded_at = 0.0;
    if (place.low.in_format && result.word == place.low.word) {
        line.caption = filled(say(w.rounded_down), direction);
    } else if (place.high.in_format && result.word == place.high.word) {
        rounded_at = 1.0;
        line.caption = filled(say(w.rounded_up), direction);
    } else { // an infinity, or a NaN where the format has none: off the line
        rounded_at = place.exact_position < 0 ? -BEYOND_THE_LINE : 1.0 + BEYOND_THE_LINE;
        line.caption = filled(say(w.overflowed), direction, result_value);
    }
    line.marks = {
        {LineMarkKind::point, 0.0, say(w.lower_tag),
         labelled(place.low.in_format ? w.lower_label : w.beyond_label, place.low.text, lang)},
        {LineMarkKind::midpoint, 0.5, say(w.middle_tag),
         labelled(w.middle_label, place.middle.text, lang)},
        {LineMarkKind::point, 1.0, say(w.upper_tag),
         labelled(place.high.in_format ? w.upper_label : w.beyond_label, place.high.text, lang)},
        {LineMarkKind::exact, place.exact_position, say(w.exact_tag), exact_label},
        {LineMarkKind::rounded, rounded_at, say(w.rounded_tag),
         labelled(w.rounded_label, std::string(result_value), lang)},
    };
    return line;
}

} // namespace binora
