#pragma once
// Number-to-text masks of the listings, always with the decimal comma.
//
// Character masks ("@" and blanks): the text fills the "@" from the right;
// placeholders left over show a blank; a longer text is shown whole, its
// surplus in front ("@@@@@@    " of 2500 gives "  2500    ").
//
// Number masks ("0", "#", one "." and blanks): rounded to the mask's
// decimals, halves away from zero, on the value as shown to 15 significant
// digits; "0" shows a digit or a zero, "#" a digit or nothing; integer digits
// beyond the mask are all shown; a minus sign stands before the whole result,
// none when the value rounds to zero ("#0.00" of 0.145 gives "0,15").
#include <string>
#include <string_view>

namespace listing {

std::string formatText(std::string_view text, std::string_view mask);
std::string formatCharacters(double value, std::string_view mask);
std::string formatNumber(double value, std::string_view mask);

}  // namespace listing
