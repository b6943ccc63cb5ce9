#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace orvel {
namespace {

constexpr Offset kReadChunk = Offset{64} << 20;

FileError ErrorFromErrno(int code) {
    return {code, SystemErrorText(code)};
}

class FdCloser {
  public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() {
        if (fd_ >= 0)
            close(fd_);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

  private:
    int fd_;
};

// The file a path finally names, so that saving through a symbolic link
// replaces the file it points to and not the link.
std::string ResolveTarget(const std::string& path) {
    char buf[PATH_MAX];
    if (realpath(path.c_str(), buf) != nullptr)
        return buf;
    return path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string SystemErrorText(int code) {
    return std::strerror(code);
}

bool LoadFile(const std::string& path, ByteBuffer& out, FileError& error) {
    out.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = ErrorFromErrno(errno);
        return false;
    }
    FdCloser closer(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        error = ErrorFromErrno(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = ErrorFromErrno(EISDIR);
        return false;
    }
    const auto tooLarge = [&] {
        error = {EFBIG, "The file is larger than 0xFFFFFFFF bytes, the most that can be opened."};
        out.clear();
        return false;
    };
    if (st.st_size > kMaxFileSize)
        return tooLarge();
    try {
        // Regular files are read straight into a buffer of their size; other
        // files (pipes, /proc) grow it until end of file.
        out.reserve(std::max<Offset>(st.st_size, 1));
        for (;;) {
            if (out.size() == out.capacity())
                out.reserve(out.capacity() * 2);
            const Offset room = std::min(out.capacity() - out.size(), kReadChunk);
            const Offset at = out.size();
            out.resizeForOverwrite(at + room);
            const ssize_t got = read(fd, out.data() + at, static_cast<std::size_t>(room));
            if (got < 0) {
                out.resizeForOverwrite(at);
                if (errno == EINTR)
                    continue;
                error = ErrorFromErrno(errno);
                out.clear();
                return false;
            }
            out.resizeForOverwrite(at + got);
            if (got == 0)
                break;
            if (out.size() > kMaxFileSize)
                return tooLarge();
        }
    } catch (const std::bad_alloc&) {
        error = ErrorFromErrno(ENOMEM);
        out.clear();
        return false;
    }
    return true;
}

SafeFileWriter::SafeFileWriter(std::string targetPath) : target_(ResolveTarget(targetPath)) {}

SafeFileWriter::~SafeFileWriter() {
    Discard();
}

void SafeFileWriter::Discard() {
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
    if (!temp_.empty())
        unlink(temp_.c_str());
    temp_.clear();
}

bool SafeFileWriter::Fail() {
    error_ = ErrorFromErrno(errno);
    Discard();
    return false;
}

bool SafeFileWriter::Open() {
    struct stat st {};
    if (stat(target_.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        return Fail();
    }
    std::string pattern = FolderOf(target_) + "/." + NameOf(target_) + ".orvel-XXXXXX";
    fd_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0)
        return Fail();
    temp_ = std::move(pattern);
    return true;
}

bool SafeFileWriter::Write(const void* data, std::size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = write(fd_, p, std::min<std::size_t>(size, std::size_t{1} << 30));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return Fail();
        }
        p += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

bool SafeFileWriter::Commit() {
    struct stat st {};
    const bool replacing = stat(target_.c_str(), &st) == 0;
    mode_t mode;
    if (replacing) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(fd_, mode) != 0) return Fail();
    // The new bytes reach the disk before they replace a file, so that a crash
    // can never leave the target neither old nor new. A file that did not
    // exist has no old content to protect.
    if (replacing && fsync(fd_) != 0) return Fail();
    const int fd = std::exchange(fd_, -1);
    if (close(fd) != 0)
        return Fail();
    if (rename(temp_.c_str(), target_.c_str()) != 0)
        return Fail();
    temp_.clear();
    return true;
}

bool SaveFile(const std::string& path, const ByteBuffer& bytes, FileError& error) {
    SafeFileWriter writer(path);
    const bool ok = writer.Open() &&
                    writer.Write(bytes.data(), static_cast<std::size_t>(bytes.size())) &&
                    writer.Commit();
    if (!ok)
        error = writer.error();
    return ok;
}

}  // namespace orvel
