// The caption font's search stops testing a size as soon as the size cannot change the answer;
// its answer must be the one of testing every caption at every size, also when it takes the
// measures it kept from earlier searches (captions recur there in other rectangles, of other
// kinds and in another dialog font). Random sets of captions (labels that wrap or not,
// buttons, radio buttons, check boxes, group boxes) in rectangles around their width are given
// to both, and every kind of answer occurs among them: the full size, a smaller size where
// everything fits on its lines, the largest size where everything fits though a label breaks
// a line, and the size with the fewest captions that do not fit.

#include "dialog/qt/caption_font.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <random>

namespace binora::testing {

namespace {

enum class Answer { FullSize, SmallerSize, FitsBreakingALine, FewestOverflowing };

struct Searched {
    QFont font;
    Answer answer;
};

// Every caption measured at every size, as the contract reads.
Searched every_caption_at_every_size(const std::vector<ShownCaption>& captions,
                                     const QFont& dialog_font, const QStyle& style) {
    const double full = dialog_font.pointSizeF();
    std::optional<QFont> fitting;
    QFont best = dialog_font;
    int fewest = std::numeric_limits<int>::max();
    for (double points = full; points >= full * SMALLEST_CAPTION_SCALE;
         points -= SIZE_STEP_POINTS) {
        QFont candidate = dialog_font;
        candidate.setPointSizeF(points);
        const QFontMetrics metrics(candidate);
        int overflowing = 0;
        int broken = 0;
        for (const ShownCaption& caption : captions) {
            if (!caption_fits(caption, candidate, style)) ++overflowing;
            if (breaks_written_line(metrics, caption)) ++broken;
        }
        if (overflowing == 0 && broken == 0)
            return {candidate, points == full ? Answer::FullSize : Answer::SmallerSize};
        if (overflowing == 0 && !fitting) fitting = candidate;
        if (overflowing < fewest) {
            fewest = overflowing;
            best = candidate;
        }
    }
    if (fitting) return {*fitting, Answer::FitsBreakingALine};
    return {best, Answer::FewestOverflowing};
}

// Up to six captions of words of the program's own, each in a rectangle from 70 % to 115 %
// of its width at the dialog font and about its height.
std::vector<ShownCaption> random_captions(std::mt19937& random, const QFont& font) {
    static const QStringList words = {
        "Exponent", "Semnificand", "(Fractia)", "Pozitie", "(Modificare", "/Actualizare)", "Cursor",
        "X+",       "ULP",         "Latime",    "camp",    "0 <--> 1",    "(Binary128)",   "128"};
    constexpr std::array<ControlKind, 5> kinds{ControlKind::Static, ControlKind::Static,
                                               ControlKind::PushButton, ControlKind::RadioButton,
                                               ControlKind::GroupBox};
    const QFontMetrics metrics(font);
    std::uniform_int_distribution<int> count(1, 6), word_count(1, 4), word(0, 49);
    std::uniform_int_distribution<int> kind(0, static_cast<int>(kinds.size()) - 1);
    std::uniform_real_distribution<double> width_scale(0.7, 1.15), height_scale(0.8, 1.4);
    std::bernoulli_distribution line_break(0.2), no_wrap(0.2), sunken(0.15), check_box(0.3);
    std::vector<ShownCaption> captions;
    for (int n = count(random); n > 0; --n) {
        ShownCaption caption;
        caption.kind = kinds[static_cast<std::size_t>(kind(random))];
        if (caption.kind == ControlKind::RadioButton && check_box(random))
            caption.kind = ControlKind::CheckBox;
        int lines = 1;
        for (int w = word_count(random); w > 0; --w) {
            if (!caption.text.isEmpty()) {
                const bool new_line = caption.kind == ControlKind::Static && line_break(random);
                caption.text += new_line ? QStringLiteral("\n") : QStringLiteral(" ");
                lines += new_line ? 1 : 0;
            }
            caption.text += words[word(random) % words.size()];
        }
        if (caption.kind == ControlKind::Static) {
            if (no_wrap(random)) caption.style |= STYLE_NO_WORD_WRAP;
            if (sunken(random)) caption.style |= STYLE_SUNKEN;
        }
        const QSize natural = metrics.size(0, caption.text);
        caption.rect = QRect(0, 0, static_cast<int>(natural.width() * width_scale(random)),
                             static_cast<int>(metrics.height() * lines * height_scale(random)));
        captions.push_back(caption);
    }
    return captions;
}

TEST(CaptionFont, TheSearchAnswersAsTestingEveryCaptionAtEverySize) {
    const QStyle& style = *QApplication::style();
    QFont dialog_font = QApplication::font();
    dialog_font.setPointSizeF(9);
    QFont bold_font = dialog_font; // another dialog font, with as many sizes to try
    bold_font.setBold(true);
    std::mt19937 random(20);
    std::array<int, 4> answers{};
    CaptionFitMemo kept;      // kept across the sets, as the windows keep it across their captions
    CaptionFitMemo switching; // asked in the two fonts in turn
    for (int set = 0; set < 150; ++set) {
        const std::vector<ShownCaption> captions = random_captions(random, dialog_font);
        for (const QFont& font : {dialog_font, bold_font}) {
            const Searched expected = every_caption_at_every_size(captions, font, style);
            ++answers[static_cast<std::size_t>(expected.answer)];
            CaptionFitMemo fresh;
            EXPECT_EQ(caption_font(captions, font, style, fresh).pointSizeF(),
                      expected.font.pointSizeF())
                << "set " << set << ", bold " << font.bold();
            EXPECT_EQ(caption_font(captions, font, style, switching).pointSizeF(),
                      expected.font.pointSizeF())
                << "set " << set << ", bold " << font.bold() << ", after the other font";
            if (!font.bold()) {
                EXPECT_EQ(caption_font(captions, font, style, kept).pointSizeF(),
                          expected.font.pointSizeF())
                    << "set " << set << ", measures kept from the sets before";
            }
        }
    }
    for (std::size_t answer = 0; answer < answers.size(); ++answer)
        EXPECT_GT(answers[answer], 0) << "no set gave answer " << answer;
}

} // namespace

} // namespace binora::testing
