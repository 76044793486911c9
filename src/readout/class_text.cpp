#include "readout/class_text.hpp"

namespace binora {

namespace {

constexpr std::string_view pick(Language lang, std::string_view romanian,
                                std::string_view english) {
    return lang == Language::english ? english : romanian;
}

} // namespace

std::string_view class_text(const ClassFlags& flags, const FormatTraits& format, Language lang,
                            std::string& room) {
    // The classes in the order in which the flags are asked: the first flag set names it.
    if (flags.is_zero) return pick(lang, "Zero cu semn", "Signed Zero");
    if (flags.is_subnormal) return pick(lang, "Numar denormalizat", "Denormalized Number");
    if (flags.is_infinity) return pick(lang, "Infinit cu semn", "Signed Infinity");
    if (flags.is_nan) return pick(lang, "Non-Numar", "Not-a-Number");
    room.assign(pick(lang, "Numar normalizat: ", "Normalized Number: "));
    room += format.normal_name;
    return room;
}

} // namespace binora
