#pragma once
// Reading a file whole, and writing one so that it is either replaced
// completely or left as it was.
#include <optional>
#include <string>

namespace workfile {

// The file's bytes; empty when it cannot be read (the reason in `error`).
std::optional<std::string> readFileBytes(const std::string& path, std::string* error = nullptr);

// Writes the bytes to a temporary file in the same folder, flushes it to
// the disk and renames it into place. The German reason when it failed; a
// file already there is then unchanged.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes);

// A German reason for a system error number.
std::string reasonText(int errorNumber);

}  // namespace workfile
