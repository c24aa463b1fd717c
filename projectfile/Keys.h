#pragma once
// What the writer and the reader of project files share.
#include <array>
#include <string_view>

namespace projectfile {

// By project::ValveDialog: no dialog, the first or the second one.
inline constexpr std::array<std::string_view, 3> kDialogNames = {"keiner", "erster", "zweiter"};

}  // namespace projectfile
