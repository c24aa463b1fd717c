#include "toolkit/Dialogs.h"

#include <string_view>

namespace tk {

std::string proposedFileName(const std::string& projectNumber, const std::string& ending) {
    constexpr std::string_view kUnfit = "/\\:*?\"<>|";
    const auto first = projectNumber.find_first_not_of(' ');
    const auto last = projectNumber.find_last_not_of(' ');
    std::string name =
        first == std::string::npos ? "" : projectNumber.substr(first, last - first + 1);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || kUnfit.find(c) != kUnfit.npos)
            c = '-';
    return (name.empty() ? "Rohrweiten" : name) + ending;
}

}  // namespace tk
