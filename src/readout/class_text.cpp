#include "readout/class_text.hpp"

#include "model/language.hpp"

#include <charconv>

namespace binora {

namespace {

constexpr std::string_view pick(int lang, std::string_view romanian, std::string_view english) {
    return lang == LANG_ENGLISH ? english : romanian;
}

} // namespace

std::string_view class_text(const ClassFlags& flags, int kind, int lang, std::string& room) {
    // The classes in the order in which the flags are asked: the first flag set names it.
    if (flags.is_zero) return pick(lang, "Zero cu semn", "Signed Zero");
    if (flags.is_subnormal) return pick(lang, "Numar denormalizat", "Denormalized Number");
    if (flags.is_infinity) return pick(lang, "Infinit cu semn", "Signed Infinity");
    if (flags.is_nan) return pick(lang, "Non-Numar", "Not-a-Number");
    switch (kind) {
    case 4:
        return pick(lang, "Numar normalizat: Real(4)", "Normalized Number: Real(4)");
    case 8:
        return pick(lang, "Numar normalizat: Real(8)", "Normalized Number: Real(8)");
    case 16:
        return pick(lang, "Numar normalizat: Real(16)", "Normalized Number: Real(16)");
    default:
        break;
    }
    room.assign(pick(lang, "Numar normalizat: Real(", "Normalized Number: Real("));
    char digits[16];
    const char* const end = std::to_chars(digits, digits + sizeof digits, kind).ptr;
    room.append(digits, static_cast<std::size_t>(end - digits));
    room += ')';
    return room;
}

std::string_view class_text(const ClassFlags& flags, const FormatTraits& format, int lang,
                            std::string& room) {
    const bool normal =
        !flags.is_zero && !flags.is_subnormal && !flags.is_infinity && !flags.is_nan;
    if (has_native_type(format) || !normal) return class_text(flags, format.kind, lang, room);
    room.assign(pick(lang, "Numar normalizat: ", "Normalized Number: "));
    room += format.name;
    return room;
}

} // namespace binora
