#include "shell/summary_file.hpp"

#include "shell/binora_globals.hpp"
#include "shell/summary_paragraphs.hpp"

#include <cstddef>

namespace binora {

std::string summary_file_contents(Language lang) {
    std::string contents;
    for (std::size_t i = 0; i < BINORAGLOBALS.STATIC_2.size(); ++i) {
        contents += summary_file_paragraph(i, lang);
        contents += "\r\n \r\n";
    }
    return contents;
}

} // namespace binora
