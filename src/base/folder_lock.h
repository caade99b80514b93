// One writer per data folder: the program that holds the folder's lock file
// may save into it; a second copy opens the folder read-only, and the command
// line waits a moment for the lock before it refuses to write.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace zw {

namespace fs = std::filesystem;

// Name of the lock file in the data folder; it exists while a copy holds it.
inline constexpr const char* kLockFileName = "ziehwerk.lock";

// The process that holds a folder's lock, as it wrote itself into the file.
struct LockHolder {
    long pid = 0;
    std::string host;
};

// The folder lock: an flock on the lock file, so that the lock of a process
// that ended in any way is free at once. The holder writes its process number
// and host into the file and removes the file when it releases the lock.
class FolderLock {
  public:
    explicit FolderLock(fs::path folder);
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // Takes the lock if it is free; false (and holder() says who has it) if not.
    bool try_acquire();
    // Tries again for up to `wait`.
    bool acquire_with_timeout(std::chrono::milliseconds wait);
    bool held() const { return fd_ >= 0; }
    void release();
    // The last attempt failed because another holds the lock (not because
    // the lock file cannot be created, as in a read-only folder).
    bool busy() const { return busy_; }
    // Who held the lock when the last attempt failed.
    const LockHolder& holder() const { return holder_; }
    const fs::path& folder() const { return folder_; }

  private:
    fs::path folder_;
    int fd_ = -1;
    long owner_pid_ = 0;  // a forked child never removes its parent's lock file
    bool busy_ = false;
    LockHolder holder_;
};

// The holder of `folder`'s lock if another process holds it; nullopt when it
// is free or held by this process.
std::optional<LockHolder> lock_held_elsewhere(const fs::path& folder);

// "Ziehwerk läuft bereits mit diesem Datenordner (Prozess N)."
std::string folder_busy_text(const LockHolder& holder);

}  // namespace zw
