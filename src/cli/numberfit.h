#pragma once

#include <QString>

namespace spawnsmith::cli {

// What fitting a text into an input box of a limited width did.
enum class Fit {
    Fits,         // short enough: kept as it is
    Rounded,      // a longer number, rounded to the nearest value that fits
    WholeTooLong, // a number whose whole part alone is wider than the box
    NotANumber,   // a longer text that is no number, which rounding cannot shorten
};

struct FittedText {
    QString text;
    Fit fit;
};

// Fits a text to a box that holds `limit` characters: a decimal number that is too long is
// rounded to as many decimals as fit (trailing zeros dropped); anything else is left alone.
FittedText fitToBox(const QString& text, int limit);

// Whether a text is a plain decimal number: an optional sign, digits and at most one point.
bool isDecimal(const QString& text);

} // namespace spawnsmith::cli
