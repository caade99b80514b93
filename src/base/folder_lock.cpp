#include "base/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string_view>
#include <thread>

namespace zw {

namespace {

LockHolder read_holder(int fd) {
    char buf[256];
    const ssize_t n = ::pread(fd, buf, sizeof buf - 1, 0);
    LockHolder h;
    if (n <= 0) return h;
    const std::string_view text(buf, static_cast<size_t>(n));
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, h.pid);
    if (ec != std::errc()) h.pid = 0;
    if (ec == std::errc() && p < end && *p == ' ') {
        const std::string_view rest(p + 1, static_cast<size_t>(end - p - 1));
        h.host = std::string(rest.substr(0, rest.find('\n')));
    }
    return h;
}

bool same_file(int fd, const fs::path& path) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::lstat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

}  // namespace

FolderLock::FolderLock(fs::path folder) : folder_(std::move(folder)) {}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : folder_(std::move(other.folder_)),
      fd_(other.fd_),
      owner_pid_(other.owner_pid_),
      busy_(other.busy_),
      holder_(std::move(other.holder_)) {
    other.fd_ = -1;
}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        release();
        folder_ = std::move(other.folder_);
        fd_ = other.fd_;
        owner_pid_ = other.owner_pid_;
        busy_ = other.busy_;
        holder_ = std::move(other.holder_);
        other.fd_ = -1;
    }
    return *this;
}

FolderLock::~FolderLock() {
    release();
}

bool FolderLock::try_acquire() {
    if (held()) return true;
    busy_ = false;
    const fs::path path = folder_ / kLockFileName;
    // The file may be removed by its holder between our open and our flock:
    // then the lock is on a file nobody else sees, and we try again.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            holder_ = {};
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            holder_ = read_holder(fd);
            busy_ = true;
            ::close(fd);
            return false;
        }
        if (!same_file(fd, path)) {
            ::close(fd);
            continue;
        }
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        const std::string text = std::to_string(static_cast<long>(::getpid())) + " " + host + "\n";
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.data(), text.size(), 0) < 0) {
            // The lock holds without the note; others then name no process.
        }
        fd_ = fd;
        owner_pid_ = static_cast<long>(::getpid());
        holder_ = {owner_pid_, host};
        return true;
    }
    return false;
}

bool FolderLock::acquire_with_timeout(std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (!try_acquire()) {
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

void FolderLock::release() {
    if (fd_ < 0) return;
    // Removed while still locked, so that nobody takes a lock on a file that is
    // about to disappear (try_acquire checks the file it locked is still there).
    if (owner_pid_ == static_cast<long>(::getpid())) {
        const fs::path path = folder_ / kLockFileName;
        if (same_file(fd_, path)) ::unlink(path.c_str());
    }
    ::close(fd_);
    fd_ = -1;
}

std::optional<LockHolder> lock_held_elsewhere(const fs::path& folder) {
    const fs::path path = (folder.empty() ? fs::path(".") : folder) / kLockFileName;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<LockHolder> result;
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
    } else {
        LockHolder h = read_holder(fd);
        if (h.pid != static_cast<long>(::getpid())) result = std::move(h);
    }
    ::close(fd);
    return result;
}

std::string folder_busy_text(const LockHolder& holder) {
    std::string text = "Ziehwerk läuft bereits mit diesem Datenordner";
    if (holder.pid > 0) text += " (Prozess " + std::to_string(holder.pid) + ")";
    return text + ".";
}

}  // namespace zw
