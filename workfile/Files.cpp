#include "workfile/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace workfile {

std::string reasonText(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Der Ordner oder die Datei ist nicht vorhanden";
        case EACCES:
        case EPERM:
            return "Keine Berechtigung";
        case ENOSPC:
            return "Auf dem Datenträger ist kein Platz mehr";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt";
        case EISDIR:
            return "Das ist ein Ordner";
        case ENAMETOOLONG:
            return "Der Name ist zu lang";
        default:
            return "Systemfehler " + std::to_string(errorNumber);
    }
}

std::optional<std::string> readFileBytes(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) *error = reasonText(errno);
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        if (error) *error = reasonText(errno);
        return std::nullopt;
    }
    return bytes;
}

namespace {

bool writeAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".tmp-XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return reasonText(errno);
    ::fchmod(fd, 0644);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(name.data());
        return reasonText(written ? errno : writeError);
    }
    if (::rename(name.data(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(name.data());
        return reasonText(renameError);
    }
    return std::nullopt;
}

}  // namespace workfile
