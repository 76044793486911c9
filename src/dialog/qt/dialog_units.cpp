#include "dialog/qt/dialog_units.hpp"

#include <QFontMetrics>

namespace binora {

namespace {

constexpr int LETTER_COUNT_HALVED = 26;
constexpr int X_UNITS_PER_CHARACTER = 4;
constexpr int Y_UNITS_PER_CHARACTER = 8;

// value * numerator / denominator rounded to the nearest integer, halves away from zero.
int scale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

} // namespace

DialogBaseUnits dialog_base_units(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / LETTER_COUNT_HALVED + 1) / 2, metrics.height()};
}

QRect dialog_units_to_pixels(const DialogUnits& units, const DialogBaseUnits& base) {
    return {scale(units.x, base.x, X_UNITS_PER_CHARACTER),
            scale(units.y, base.y, Y_UNITS_PER_CHARACTER),
            scale(units.width, base.x, X_UNITS_PER_CHARACTER),
            scale(units.height, base.y, Y_UNITS_PER_CHARACTER)};
}

} // namespace binora
