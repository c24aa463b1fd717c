#include "session/RecoveryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "workfile/Files.h"

namespace session {

namespace fs = std::filesystem;

RecoveryFile::RecoveryFile(std::string folder)
    : folder_(std::move(folder)), path_(folder_ + "/Wiederherstellung.rohrprojekt") {}

RecoveryFile::~RecoveryFile() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (writer_.joinable()) writer_.join();
    if (lockFd_ >= 0) ::close(lockFd_);
}

bool RecoveryFile::lock() {
    if (lockFd_ >= 0) return true;
    std::error_code ignored;
    fs::create_directories(folder_, ignored);
    const std::string lockPath = folder_ + "/Wiederherstellung.lock";
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lockFd_ = fd;
    writer_ = std::thread([this] { writeLoop(); });
    return true;
}

bool RecoveryFile::exists() const {
    std::error_code ignored;
    return fs::exists(path_, ignored);
}

void RecoveryFile::write(std::string bytes) {
    if (!locked()) return;
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(bytes);
    }
    wake_.notify_all();
}

void RecoveryFile::flush() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return !pending_ && !writing_; });
}

// A write that fails is tried again with the next step's inputs; the
// planner's work goes on meanwhile.
void RecoveryFile::writeLoop() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return pending_ || stopping_; });
        if (!pending_) return;
        std::string bytes = std::move(*pending_);
        pending_.reset();
        writing_ = true;
        lock.unlock();
        workfile::writeFileAtomically(path_, bytes);
        lock.lock();
        writing_ = false;
        done_.notify_all();
    }
}

void RecoveryFile::remove() {
    if (!locked()) return;
    flush();
    std::error_code ignored;
    fs::remove(path_, ignored);
}

std::optional<std::string> RecoveryFile::keepAside() {
    return workfile::renameFile(
        path_, folder_ + "/Wiederherstellung-" + workfile::localTimeStamp() + ".rohrprojekt");
}

}  // namespace session
