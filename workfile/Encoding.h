#pragma once
// The work file's character set, Windows-1252, one byte per character,
// through a fixed table of our own: the program holds its texts in UTF-8.
#include <string>
#include <string_view>

namespace workfile {

// A character that Windows-1252 cannot hold is written as one "?".
std::string toWindows1252(std::string_view utf8);
// Every byte decodes; the five bytes that Windows-1252 leaves unassigned
// stand for the control characters of the same number.
std::string fromWindows1252(std::string_view bytes);

}  // namespace workfile
