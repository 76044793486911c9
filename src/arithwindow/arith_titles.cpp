#include "arithwindow/arith_titles.hpp"

#include "arithwindow/arith_inputs.hpp"
#include "arithwindow/arith_state.hpp"
#include "arithwindow/arith_texts.hpp"
#include "arithwindow/lessons.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"

#include <cstddef>

namespace binora {

void SET_ARITH_TITLES(DIALOG_RECORD& dialog) {
    const Language lang = ARITH.LANG;
    for (const ArithCaption& caption : arith_captions()) {
        if (caption.id == IDD_ARITH)
            DIALOG_SET_TITLE(dialog, in_language(caption.text, lang));
        else
            DIALOG_SET_TEXT(dialog, caption.id, in_language(caption.text, lang), PROP_CAPTION);
    }
    for (std::size_t i = 0; i < OPERATION_ITEMS.size(); ++i)
        DIALOG_SET_TEXT(dialog, IDC_AR_OPERATION, in_language(OPERATION_ITEMS[i], lang),
                        static_cast<int>(i) + 1);
    DIALOG_SET_TEXT(dialog, IDC_AR_LESSON, in_language(NO_LESSON, lang), 1);
    const auto all = lessons();
    for (std::size_t i = 0; i < all.size(); ++i)
        DIALOG_SET_TEXT(dialog, IDC_AR_LESSON, in_language(all[i].title, lang),
                        static_cast<int>(i) + 2);
    DIALOG_SET_TEXT(dialog, IDC_AR_MODES, in_language(TABLE_HEADINGS, lang), PROP_CAPTION);
    const Lesson* lesson = chosen_lesson(dialog);
    DIALOG_SET_TEXT(dialog, IDC_AR_LESSON_TEXT,
                    in_language(lesson != nullptr ? lesson->explanation : LESSON_HINT, lang));
}

} // namespace binora
