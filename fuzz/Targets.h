#pragma once
// The places where outside text enters the program, as fuzz targets: a
// work file's bytes, a project file's bytes, and the text of an input field. Each must take any
// input without a crash, a hang or a leak.
#include <string_view>

namespace fuzz {

// Reads the bytes as a work file, with and without lead records; a file that
// reads is written again, and its bytes must read back to an equal project.
void workFile(std::string_view bytes);

// Reads the bytes as a project file and as a file of the planner's presetting
// tables; whatever reads is written again and must read back equal.
void projectFile(std::string_view bytes);

// Every reading of a field's text, and every field rule of both forms.
void fieldText(std::string_view text);

}  // namespace fuzz
