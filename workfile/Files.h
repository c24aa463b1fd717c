#pragma once
// Reading a file whole, and writing one so that it is either replaced
// completely or left as it was.
#include <cstddef>
#include <optional>
#include <string>

namespace workfile {

// A larger file is refused before it is read.
inline constexpr std::size_t kMaxFileBytes = std::size_t{16} * 1024 * 1024;

// The file's bytes; nothing when it cannot be read, with the German sentence
// why in `problem`, the file named by `path`: "… kann nicht geöffnet werden:
// Datei nicht gefunden." or "…: keine Leseberechtigung.", "… ist größer als
// 16 MiB und wird nicht gelesen.".
std::optional<std::string> readFileBytes(const std::string& path, std::string* problem = nullptr);

// Writes the bytes to a temporary file beside the file that `path` names
// (through any symbolic links), flushes it to the disk, renames it into
// place and flushes the folder. A replaced file keeps its permission bits; a
// new one gets 0666 less the umask. The German reason when it failed; a file
// already there is then unchanged.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes);

// Renames a file, as kept aside; the German reason when it failed.
std::optional<std::string> renameFile(const std::string& from, const std::string& to);

// The local time as file names carry it: "20261207-183012" (JJJJMMTT-hhmmss).
std::string localTimeStamp();

// A German reason for a system error number.
std::string reasonText(int errorNumber);

}  // namespace workfile
