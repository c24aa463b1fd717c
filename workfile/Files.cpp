#include "workfile/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace workfile {

std::optional<std::string> renameFile(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return reasonText(errno);
    return std::nullopt;
}

std::string localTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

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
        case EFBIG:
            return "Die Datei wird zu groß";
        case ELOOP:
            return "Zu viele symbolische Verweise";
        default:
            return "Systemfehler " + std::to_string(errorNumber);
    }
}

namespace {

// The end of the sentence "<Name> kann nicht geöffnet werden: …".
std::string openReason(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return "Datei nicht gefunden";
        case EACCES:
        case EPERM:
            return "keine Leseberechtigung";
        case EISDIR:
            return "das ist ein Ordner";
        default:
            return reasonText(errorNumber);
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes it; false when the close failed.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

}  // namespace

std::optional<std::string> readFileBytes(const std::string& path, std::string* problem) {
    auto refuse = [&](std::string sentence) -> std::optional<std::string> {
        if (problem) *problem = std::move(sentence);
        return std::nullopt;
    };
    auto cannotOpen = [&](int errorNumber) {
        return refuse(path + " kann nicht geöffnet werden: " + openReason(errorNumber) + ".");
    };
    auto tooLarge = [&] { return refuse(path + " ist größer als 16 MiB und wird nicht gelesen."); };
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) return cannotOpen(errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return cannotOpen(errno);
    if (S_ISDIR(status.st_mode)) return cannotOpen(EISDIR);
    if (status.st_size > static_cast<off_t>(kMaxFileBytes)) return tooLarge();
    // A file that grows while it is read, or a device, is cut at the limit.
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return refuse(path + " kann nicht gelesen werden: " + reasonText(errno) + ".");
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxFileBytes) return tooLarge();
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

// The file that `path` names, through its symbolic links; nothing (with
// errno set) when a link cannot be read or the chain is too long.
std::optional<std::filesystem::path> throughLinks(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::error_code error;
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            errno = error.value();
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    errno = ELOOP;
    return std::nullopt;
}

// A new file beside the target, created with `mode` less the umask.
int createTemporary(const std::filesystem::path& folder, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        const auto mixed = static_cast<unsigned long long>(ticks) * 0x9E3779B97F4A7C15ull ^
                           (static_cast<unsigned long long>(::getpid()) << 20) ^ ++counter;
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", mixed);
        name = (folder / (std::string(".rohrweiten-") + suffix + ".tmp")).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Flushes the folder's entries, so that the rename is on the disk too. A
// failure here comes after the file was replaced and is not told.
void syncFolder(const std::filesystem::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::optional<std::filesystem::path> target = throughLinks(path);
    if (!target) return reasonText(errno);
    std::filesystem::path folder = target->parent_path();
    if (folder.empty()) folder = ".";
    struct stat existing {};
    const bool replacing = ::stat(target->c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    std::string name;
    Descriptor fd(createTemporary(folder, name));
    if (fd.get() < 0) return reasonText(errno);
    if (replacing) {
        // As root the owner could differ; keep it where we may.
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())
            (void)!::fchown(fd.get(), existing.st_uid, existing.st_gid);
        ::fchmod(fd.get(), existing.st_mode & 07777);
    }
    bool written = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    int error = errno;
    if (!fd.close() && written) {
        written = false;
        error = errno;
    }
    if (!written || ::rename(name.c_str(), target->c_str()) != 0) {
        if (written) error = errno;
        ::unlink(name.c_str());
        return reasonText(error);
    }
    syncFolder(folder);
    return std::nullopt;
}

}  // namespace workfile
