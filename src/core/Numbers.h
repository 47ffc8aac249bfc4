#pragma once

#include <QString>
#include <optional>

// Number handling shared by the colour maths and the editing fields.
namespace Numbers {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), saturated to the int range.
int RoundHalfEven(double value);

// The value of a text that reads as a whole number in decimal notation (blanks round it allowed,
// a sign, a fraction, an exponent), or nothing for anything else: empty text, letters, infinities.
std::optional<double> NumericValue(const QString& text);

// The leading numeric part of a text (blanks skipped, then a sign, digits and a fraction);
// 0 when the text does not start with a number.
double LeadingNumber(const QString& text);

} // namespace Numbers
