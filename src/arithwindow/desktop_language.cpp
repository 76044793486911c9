#include "arithwindow/desktop_language.hpp"

#include <string_view>

namespace binora {

Language desktop_language(const char* lc_all, const char* lc_messages, const char* lang) {
    std::string_view locale;
    for (const char* value : {lc_all, lc_messages, lang})
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    const bool romanian = locale.starts_with("ro") && (locale.size() == 2 || locale[2] == '_' ||
                                                       locale[2] == '.' || locale[2] == '@');
    return romanian ? Language::romanian : Language::english;
}

} // namespace binora
