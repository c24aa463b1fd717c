#pragma once
// The file that keeps the planner's inputs up to the last completed step,
// so that a program that dies loses no more than the step in hand. One
// instance at a time owns it, through a lock file beside it; the newest
// inputs are written in the background, atomically.
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace session {

class RecoveryFile {
public:
    // `folder` holds the file, its lock and the interrupted work.
    explicit RecoveryFile(std::string folder);
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // Takes the lock; false while another instance of the program holds it.
    // Without the lock nothing is written, offered or removed.
    bool lock();
    bool locked() const { return lockFd_ >= 0; }

    const std::string& path() const { return path_; }
    bool exists() const;
    // Writes the bytes in the background, replacing any write not yet done.
    void write(std::string bytes);
    // Returns once every write asked for is done.
    void flush();
    // A normal end: the file goes.
    void remove();
    // Keeps the file aside as Wiederherstellung-JJJJMMTT-hhmmss.rohrprojekt;
    // the German reason when it could not be renamed.
    std::optional<std::string> keepAside();

private:
    void writeLoop();

    std::string folder_;
    std::string path_;
    int lockFd_ = -1;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::optional<std::string> pending_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread writer_;
};

}  // namespace session
