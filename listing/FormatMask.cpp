#include "listing/FormatMask.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "toolkit/NumberText.h"

namespace listing {
namespace {

bool isDigitPlaceholder(char c) { return c == '0' || c == '#'; }

// The value's decimal digits to 15 significant digits: integer digits
// (without leading zeros) and `decimals` fraction digits, rounded half away
// from zero.
struct Rounded {
    std::string integer;
    std::string fraction;
    bool negative = false;
    bool zero = true;
};

void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

Rounded roundDecimal(double value, int decimals) {
    Rounded result;
    if (!std::isfinite(value) || value == 0) {
        result.fraction.assign(static_cast<std::size_t>(decimals), '0');
        return result;
    }
    char buffer[64];
    auto [end, err] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, 14);
    std::string text(buffer, err == std::errc() ? end : buffer);
    std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::atoi(text.c_str() + e + 1);

    std::string digits;
    std::size_t integerLength = 0;
    if (exponent >= 0) {
        digits = mantissa;
        integerLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() < integerLength) digits.append(integerLength - digits.size(), '0');
    } else {
        digits = std::string(static_cast<std::size_t>(-exponent), '0') + mantissa;
        integerLength = 1;
    }
    std::size_t keep = integerLength + static_cast<std::size_t>(decimals);
    if (digits.size() > keep) {
        bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (up) {
            std::size_t before = digits.size();
            incrementDigits(digits);
            integerLength += digits.size() - before;
        }
    } else {
        digits.append(keep - digits.size(), '0');
    }
    result.integer = digits.substr(0, integerLength);
    result.fraction = digits.substr(integerLength);
    result.integer.erase(0, result.integer.find_first_not_of('0'));
    result.zero = digits.find_first_not_of('0') == std::string::npos;
    result.negative = value < 0 && !result.zero;
    return result;
}

}  // namespace

std::string formatText(std::string_view text, std::string_view mask) {
    std::size_t placeholders = 0;
    for (char c : mask)
        if (c == '@') ++placeholders;
    // Work on whole UTF-8 characters.
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() &&
               (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        chars.push_back(text.substr(i, length));
        i += length;
    }
    std::string result;
    std::size_t surplus = chars.size() > placeholders ? chars.size() - placeholders : 0;
    for (std::size_t i = 0; i < surplus; ++i) result += chars[i];
    // Placeholder i shows character i + (characters − placeholders).
    long next = static_cast<long>(chars.size()) - static_cast<long>(placeholders);
    for (char c : mask) {
        if (c != '@') {
            result += c;
            continue;
        }
        result += next >= 0 ? std::string(chars[static_cast<std::size_t>(next)]) : " ";
        ++next;
    }
    return result;
}

std::string formatCharacters(double value, std::string_view mask) {
    return formatText(tk::standardText(value), mask);
}

std::string formatNumber(double value, std::string_view mask) {
    std::size_t first = mask.find_first_of("0#");
    std::size_t last = mask.find_last_of("0#");
    if (first == std::string_view::npos) return std::string(mask);
    std::string_view body = mask.substr(first, last - first + 1);
    std::size_t point = body.find('.');
    std::string_view integerMask = body.substr(0, point);
    std::string_view fractionMask =
        point == std::string_view::npos ? std::string_view{} : body.substr(point + 1);

    int decimals = 0;
    for (char c : fractionMask)
        if (isDigitPlaceholder(c)) ++decimals;
    Rounded rounded = roundDecimal(value, decimals);

    std::size_t firstZero = integerMask.find('0');
    std::size_t minimumDigits = 0;
    if (firstZero != std::string_view::npos)
        for (char c : integerMask.substr(firstZero))
            if (isDigitPlaceholder(c)) ++minimumDigits;
    std::string integer = rounded.integer;
    if (integer.size() < minimumDigits) integer.insert(0, minimumDigits - integer.size(), '0');

    std::string fraction;
    std::size_t digit = 0;
    for (char c : fractionMask) fraction += isDigitPlaceholder(c) ? rounded.fraction[digit++] : c;
    // "#" after the point shows trailing zeros as nothing.
    while (!fraction.empty() && fractionMask.size() >= fraction.size() &&
           fractionMask[fraction.size() - 1] == '#' && fraction.back() == '0')
        fraction.pop_back();

    std::string result = rounded.negative ? "-" : "";
    result += mask.substr(0, first);
    result += integer;
    if (point != std::string_view::npos) result += "," + fraction;
    result += mask.substr(last + 1);
    return result;
}

}  // namespace listing
