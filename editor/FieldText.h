#pragma once
// Text that the editing windows take from their fields.
#include <algorithm>
#include <string>
#include <string_view>

namespace editor {

inline bool isControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

// Pasted line breaks and other control characters make a text no number.
inline bool hasControlCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isControlCharacter);
}

// Line breaks and other control characters become blanks, as a one-line
// field takes pasted text.
inline std::string cleaned(std::string text) {
    std::replace_if(text.begin(), text.end(), isControlCharacter, ' ');
    return text;
}

}  // namespace editor
