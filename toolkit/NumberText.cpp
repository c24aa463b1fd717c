#include "toolkit/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tk {
namespace {

bool isBlankChar(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<double> parsePlain(const std::string& digits) {
    double value = 0;
    auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (err != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlankChar(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlankChar(text.back())) text.remove_suffix(1);
    return text;
}

// Reads the integer part of a locale number with optional thousands
// separators; appends its digits to `out` and returns the characters used.
std::optional<std::size_t> readGroupedDigits(std::string_view text, std::string& out) {
    std::size_t pos = 0;
    while (pos < text.size() && isDigit(text[pos])) out += text[pos++];
    if (pos == 0) return pos;
    while (pos < text.size() && text[pos] == '.') {
        std::size_t groupEnd = pos + 1;
        while (groupEnd < text.size() && isDigit(text[groupEnd])) ++groupEnd;
        if (groupEnd - pos - 1 != 3) return std::nullopt;
        out.append(text.substr(pos + 1, 3));
        pos = groupEnd;
    }
    return pos;
}

}  // namespace

SignificantDigits fifteenSignificantDigits(double magnitude) {
    // The shortest text that reads back holds the fifteen-digit rounding
    // whenever it has no more than fifteen significant digits and the value
    // is not subnormal; it is much faster to find than the rounding itself.
    auto scan = [](std::string_view text, SignificantDigits& out) {
        const std::size_t e = text.find('e');
        out.digits.clear();
        for (char c : text.substr(0, e))
            if (c >= '0' && c <= '9') out.digits += c;
        out.exponent = 0;
        if (e != std::string_view::npos)
            std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1),
                            text.data() + text.size(), out.exponent);
    };
    SignificantDigits result;
    char buffer[64];
    auto shortest =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    scan(std::string_view(buffer, static_cast<std::size_t>(shortest.ptr - buffer)), result);
    if (result.digits.size() > 15 || magnitude < std::numeric_limits<double>::min()) {
        auto rounded = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                     std::chars_format::scientific, 14);
        scan(std::string_view(buffer, static_cast<std::size_t>(rounded.ptr - buffer)), result);
    }
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    return result;
}

std::string generalFifteen(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    auto [digits, exponent] = fifteenSignificantDigits(std::fabs(value));
    std::string out = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        } else {
            const auto integer = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() < integer) digits.append(integer - digits.size(), '0');
            out += digits.substr(0, integer);
            if (digits.size() > integer) out += "." + digits.substr(integer);
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    out += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

bool isBlank(std::string_view text) {
    for (char c : text)
        if (!isBlankChar(c)) return false;
    return true;
}

std::string firstCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count) return std::string(text.substr(0, i));
            ++seen;
        }
    }
    return std::string(text);
}

bool hasControlCharacters(std::string_view text) {
    for (char c : text)
        if (isControlCharacter(c)) return true;
    return false;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::optional<double> leadingNumberValue(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlankChar(text[pos])) ++pos;
    std::string number;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        if (text[pos] == '-') number += '-';
        ++pos;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (isDigit(c)) {
            number += c;
            anyDigit = true;
        } else if (c == '.' && !seenPoint) {
            number += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (number.back() == '.') number.pop_back();
    if (number.starts_with("-.")) number.insert(1, "0");
    if (number.starts_with(".")) number.insert(0, "0");
    return parsePlain(number);
}

std::optional<double> localeValue(std::string_view text) {
    text = trimBlanks(text);
    std::string number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-') number += '-';
        text.remove_prefix(1);
    }
    std::string integerDigits;
    auto used = readGroupedDigits(text, integerDigits);
    if (!used) return std::nullopt;
    text.remove_prefix(*used);
    std::string fraction;
    if (!text.empty() && text.front() == ',') {
        text.remove_prefix(1);
        while (!text.empty() && isDigit(text.front())) {
            fraction += text.front();
            text.remove_prefix(1);
        }
    }
    if (!text.empty() || (integerDigits.empty() && fraction.empty())) return std::nullopt;
    number += integerDigits.empty() ? "0" : integerDigits;
    if (!fraction.empty()) number += "." + fraction;
    return parsePlain(number);
}

double roundHalfEven(double value) {
    double lower = std::floor(value);
    double diff = value - lower;
    if (diff > 0.5) return lower + 1;
    if (diff < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::optional<std::int16_t> toInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> wholeNumber(std::string_view text) {
    auto value = localeValue(text);
    if (!value) return std::nullopt;
    return toInt16(*value);
}

std::string standardText(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    std::string text = generalFifteen(value);
    for (char& c : text) {
        if (c == '.') c = ',';
        if (c == 'e') c = 'E';
    }
    return text;
}

}  // namespace tk
