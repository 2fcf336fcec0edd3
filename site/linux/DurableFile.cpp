// Durable appends on Linux: open(O_APPEND), flock, one write, fsync.
#include "site/DurableFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace site {

namespace {

constexpr mode_t kNewFileMode = 0666; // less the user's umask, as any program makes a file
constexpr std::chrono::milliseconds kLockRetry{5};
// O_NONBLOCK: a name that turns out to be a FIFO must not hang the open.
constexpr int kOpenFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

// Calls f again while it fails with EINTR.
template <class F> auto Retrying(F f) {
    decltype(f()) result;
    do {
        result = f();
    } while (result == -1 && errno == EINTR);
    return result;
}

FileProblem ProblemOf(int error, const std::filesystem::path& path) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileProblem::FolderMissing;
    case EACCES:
    case EPERM: {
        // A file that is there but may not be written is read-only; otherwise the folder
        // may not be written.
        std::error_code ignored;
        return std::filesystem::exists(path, ignored) ? FileProblem::ReadOnly
                                                      : FileProblem::NoPermission;
    }
    case EROFS:
        return FileProblem::ReadOnlyDisk;
    case ENOSPC:
    case EDQUOT:
        return FileProblem::DiskFull;
    case EISDIR:
    case ENXIO:
        return FileProblem::NotAFile;
    case EWOULDBLOCK:
        return FileProblem::Busy;
    default:
        return FileProblem::Other;
    }
}

FileOutcome Failure(int error, const std::filesystem::path& path) {
    return {ProblemOf(error, path), std::strerror(error)};
}

// An open descriptor, closed (and so unlocked) when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd = -1;
};

// Whether the name is something other than a regular file (a folder, a device, a FIFO):
// such a name is never opened, since opening a device can do things.
bool OtherThanFile(const std::filesystem::path& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

// Takes the exclusive lock, waiting up to wait for another process to let go of it.
FileOutcome Lock(int fd, std::chrono::milliseconds wait, const std::filesystem::path& path) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (Retrying([&] { return flock(fd, LOCK_EX | LOCK_NB); }) != 0) {
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            return Failure(errno, path);
        }
        std::this_thread::sleep_for(kLockRetry);
    }
    return {};
}

// Writes all of bytes: one write, unless the system takes fewer bytes (the disk filling up),
// when the rest follows under the same lock, so the line stays whole. 0, or the error that
// stopped it.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = Retrying([&] { return write(fd, bytes.data(), bytes.size()); });
        if (written < 0) {
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Forces the folder's entry for a new file to disk, so that the file itself survives.
void SyncFolder(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

FileOutcome DurableFile::Append(std::string_view line, std::string_view start) const {
    if (OtherThanFile(m_path)) {
        return {FileProblem::NotAFile, {}};
    }
    const Descriptor fd(Retrying([&] {
        return open(m_path.c_str(), O_RDWR | O_APPEND | O_CREAT | kOpenFlags, kNewFileMode);
    }));
    if (fd.Get() < 0) {
        return Failure(errno, m_path);
    }
    if (const FileOutcome locked = Lock(fd.Get(), m_lockWait, m_path); !locked.Ok()) {
        return locked;
    }
    struct stat status {};
    if (fstat(fd.Get(), &status) != 0) {
        return Failure(errno, m_path);
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    char last = '\n';
    if (size > 0 && Retrying([&] { return pread(fd.Get(), &last, 1, status.st_size - 1); }) != 1) {
        return Failure(errno, m_path);
    }
    const std::string bytes = AppendedBytes(size, last, line, start);
    if (const int error = WriteAll(fd.Get(), bytes); error != 0) {
        // Half a line must not stay: cut the file back to what it was, which only takes
        // away this append's own bytes.
        if (ftruncate(fd.Get(), status.st_size) == 0) {
            fsync(fd.Get());
        }
        return Failure(error, m_path);
    }
    if (Retrying([&] { return fsync(fd.Get()); }) != 0) {
        return Failure(errno, m_path);
    }
    if (size == 0) {
        SyncFolder(m_path);
    }
    return {};
}

FileOutcome DurableFile::Probe() const {
    if (OtherThanFile(m_path)) {
        return {FileProblem::NotAFile, {}};
    }
    // A file that is not there yet is made and removed again, which asks the folder.
    const int made = Retrying([&] {
        return open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | kOpenFlags, kNewFileMode);
    });
    if (made >= 0) {
        close(made);
        unlink(m_path.c_str());
        return {};
    }
    if (errno != EEXIST) {
        return Failure(errno, m_path);
    }
    const Descriptor fd(
        Retrying([&] { return open(m_path.c_str(), O_WRONLY | O_APPEND | kOpenFlags); }));
    if (fd.Get() < 0) {
        return Failure(errno, m_path);
    }
    return Lock(fd.Get(), m_lockWait, m_path);
}

} // namespace site
