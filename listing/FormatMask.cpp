#include "listing/FormatMask.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
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
    auto [mantissa, exponent] = tk::fifteenSignificantDigits(std::fabs(value));

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
    // Where each whole UTF-8 character starts; for plain ASCII every byte.
    std::vector<std::size_t> starts;
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii)
        for (std::size_t i = 0; i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    const std::size_t count = ascii ? text.size() : starts.size();
    auto character = [&](std::size_t k) {
        if (ascii) return text.substr(k, 1);
        const std::size_t end = k + 1 < count ? starts[k + 1] : text.size();
        return text.substr(starts[k], end - starts[k]);
    };
    std::string result;
    result.reserve(mask.size() + text.size());
    const std::size_t surplus = count > placeholders ? count - placeholders : 0;
    for (std::size_t k = 0; k < surplus; ++k) result += character(k);
    // Placeholder i shows character i + (characters − placeholders).
    long next = static_cast<long>(count) - static_cast<long>(placeholders);
    for (char c : mask) {
        if (c != '@') {
            result += c;
        } else {
            if (next >= 0)
                result += character(static_cast<std::size_t>(next));
            else
                result += ' ';
            ++next;
        }
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
