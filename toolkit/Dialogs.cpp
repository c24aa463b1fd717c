#include "toolkit/Dialogs.h"

#include <string_view>

#include "toolkit/NumberText.h"

namespace tk {

std::string proposedFileName(const std::string& projectNumber, const std::string& ending) {
    constexpr std::string_view kUnfit = "/\\:*?\"<>|";
    std::string name = trimmed(projectNumber);
    for (char& c : name)
        if (isControlCharacter(c) || kUnfit.find(c) != kUnfit.npos) c = '-';
    return (name.empty() ? "Rohrweiten" : name) + ending;
}

}  // namespace tk
