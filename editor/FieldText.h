#pragma once
// Text that the editing windows take from their fields.
#include <algorithm>
#include <string>
#include <string_view>

#include "toolkit/NumberText.h"

namespace editor {

// Line breaks and other control characters become blanks, as a one-line
// field takes pasted text.
inline std::string cleaned(std::string text) {
    std::replace_if(text.begin(), text.end(), tk::isControlCharacter, ' ');
    return text;
}

}  // namespace editor
