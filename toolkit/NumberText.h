#pragma once
// Reading and writing numbers as the user sees them: German decimal comma,
// fixed rules that never depend on the machine's locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

// True when the text holds nothing but blanks (or nothing at all).
bool isBlank(std::string_view text);

// Number of characters of a UTF-8 text.
std::size_t characterCount(std::string_view text);
// The first `count` characters of a UTF-8 text.
std::string firstCharacters(std::string_view text, std::size_t count);

// A line break, tab or other control character: no field takes one.
inline bool isControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }
bool hasControlCharacters(std::string_view text);

// The text without the blanks at either end.
std::string trimmed(std::string_view text);

// The number formed by the leading characters of the text: leading blanks
// skipped, optional sign, digits with "." as the decimal sign; reading stops
// at the first character that cannot continue the number ("40,5" reads 40,
// "1e3" reads 1). Empty when no digit starts the text.
std::optional<double> leadingNumberValue(std::string_view text);

// The whole text as a number with the decimal comma: optional sign, digits,
// "," as the one decimal sign, "." only as a thousands separator before
// exactly three digits, blanks only at the ends ("1.234,5" is 1234.5).
std::optional<double> localeValue(std::string_view text);

// Rounds to the nearest whole number, halves to the even one.
double roundHalfEven(double value);

// The locale value rounded half to even, if it fits a 16-bit whole number.
std::optional<std::int16_t> wholeNumber(std::string_view text);

// Rounds a double that is known to be whole (or nearly) into 16 bits,
// halves to even; empty when outside the 16-bit range.
std::optional<std::int16_t> toInt16(double value);

// The significant digits of a positive finite value rounded to fifteen, no
// trailing zeros (at least one digit), and the decimal exponent of the first:
// 0.0215 gives "215" and -2.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};
SignificantDigits fifteenSignificantDigits(double magnitude);

// The value with at most fifteen significant digits in "general" notation
// with a point, exactly as std::to_chars writes it with precision 15.
std::string generalFifteen(double value);

// Standard number-to-text conversion: up to 15 significant digits, decimal
// comma, no digit grouping, no trailing zeros ("107,5", "2500", "1E+16").
std::string standardText(double value);

}  // namespace tk
