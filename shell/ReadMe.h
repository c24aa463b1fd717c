#pragma once
// The operating guide of the read-me window.
#include <string_view>

namespace shell {

std::string_view readMeText();

}  // namespace shell
