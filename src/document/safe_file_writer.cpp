#include "document/safe_file_writer.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <utility>

#include "document/file_metadata.h"
#include "document/write_all.h"

namespace orvel {
namespace {

constexpr int kMaxLinkHops = 40;
constexpr int kNameAttempts = 100;
constexpr std::size_t kCopyBlock = std::size_t{1} << 20;

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

// The file a path finally names, so that writing through a symbolic link
// writes the file it points to and not the link.
bool RealPath(const std::string& path, std::string& out) {
    const std::unique_ptr<char, decltype(&free)> real(realpath(path.c_str(), nullptr), &free);
    if (real == nullptr)
        return false;
    out = real.get();
    return true;
}

// The name a new file gets at `path`: the path itself, or, where it is a
// symbolic link to a file that does not exist, the name at the end of the
// chain of links.
bool FollowDanglingLinks(const std::string& path, std::string& out) {
    std::string at = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        const bool missing = lstat(at.c_str(), &st) != 0;
        if (missing && errno != ENOENT)
            return false;
        if (missing || !S_ISLNK(st.st_mode)) {
            out = at;
            return true;
        }
        char link[PATH_MAX];
        const ssize_t length = readlink(at.c_str(), link, sizeof link);
        if (length < 0)
            return false;
        if (static_cast<std::size_t>(length) == sizeof link) {
            errno = ENAMETOOLONG;
            return false;
        }
        const std::string next(link, static_cast<std::size_t>(length));
        at = next.starts_with('/') ? next : FolderOf(at) + "/" + next;
    }
    errno = ELOOP;
    return false;
}

std::size_t NameMax(int folder) {
    const long max = fpathconf(folder, _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : NAME_MAX;
}

std::string RandomSuffix() {
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kChars[random() % (sizeof kChars - 1)];
    return suffix;
}

// A new empty file in `folder` for the content of `name`: unnamed where the
// file system allows it; otherwise a hidden named file, whose name goes to
// `tempName` when `keepName` and is removed at once otherwise.
UniqueFd CreateTemporaryFile(int folder, const std::string& name, mode_t mode, bool keepName,
                             std::string& tempName) {
    UniqueFd fd(openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
    if (fd.valid() || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    const std::size_t nameMax = NameMax(folder);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = TemporaryName(name, nameMax, RandomSuffix());
        fd.reset(openat(folder, candidate.c_str(),
                        O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd.valid()) {
            if (keepName)
                tempName = std::move(candidate);
            else
                unlinkat(folder, candidate.c_str(), 0);
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    return fd;
}

// Gives the unnamed file `fd` a hidden name in `folder`, through /proc or,
// where that is missing, directly (which needs privileges).
bool NameTemporaryFile(int fd, int folder, const std::string& name, std::string& tempName) {
    char procPath[64];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
    const std::size_t nameMax = NameMax(folder);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = TemporaryName(name, nameMax, RandomSuffix());
        if (linkat(AT_FDCWD, procPath, folder, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno == ENOENT && linkat(fd, "", folder, candidate.c_str(), AT_EMPTY_PATH) == 0)) {
            tempName = std::move(candidate);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Makes sure the disk has room for `size` bytes of the file before any of its
// bytes are overwritten. A file system that cannot tell is trusted.
bool Reserve(int fd, Offset size) {
    if (size <= 0 || fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0)
        return true;
    return errno != ENOSPC && errno != EDQUOT && errno != EFBIG;
}

}  // namespace

std::string TemporaryName(const std::string& targetName, std::size_t nameMax,
                          const std::string& suffix) {
    const std::string tail = ".orvel-" + suffix;
    const std::size_t room = nameMax > tail.size() + 1 ? nameMax - tail.size() - 1 : 0;
    std::size_t keep = std::min(targetName.size(), room);
    while (keep > 0 && keep < targetName.size() &&
           (static_cast<unsigned char>(targetName[keep]) & 0xC0) == 0x80) {
        --keep;
    }
    std::string name(1, '.');
    name.append(targetName, 0, keep).append(tail);
    return name;
}

SafeFileWriter::SafeFileWriter(std::string targetPath, FileKinds kinds)
    : path_(std::move(targetPath)), kinds_(kinds) {}

SafeFileWriter::~SafeFileWriter() {
    if (!tempName_.empty())
        unlinkat(folder_.get(), tempName_.c_str(), 0);
}

bool SafeFileWriter::Fail() {
    return Fail(ErrorFromErrno(errno));
}

bool SafeFileWriter::Fail(FileError error) {
    error_ = std::move(error);
    out_.reset();
    target_.reset();
    if (!tempName_.empty())
        unlinkat(folder_.get(), tempName_.c_str(), 0);
    tempName_.clear();
    return false;
}

bool SafeFileWriter::FindTarget() {
    if (stat(path_.c_str(), &original_) != 0) {
        if (errno != ENOENT || !FollowDanglingLinks(path_, resolved_))
            return Fail();
        return true;
    }
    exists_ = true;
    if (S_ISREG(original_.st_mode))
        return RealPath(path_, resolved_) || Fail();
    if (kinds_ == FileKinds::kAlsoStreams &&
        (S_ISFIFO(original_.st_mode) || S_ISCHR(original_.st_mode))) {
        way_ = Way::kStream;
        return true;
    }
    return Fail(NotRegularFileError(original_.st_mode));
}

bool SafeFileWriter::Open(Offset expectedSize) {
    if (!FindTarget())
        return false;
    if (way_ == Way::kStream) {
        out_.reset(open(path_.c_str(), O_WRONLY | O_CLOEXEC));
        return out_.valid() || Fail();
    }
    name_ = NameOf(resolved_);
    if (name_.empty())
        return Fail(ErrorFromErrno(EISDIR));
    folder_.reset(open(FolderOf(resolved_).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder_.valid())
        return Fail();
    way_ = exists_ && original_.st_nlink > 1 ? Way::kCopyIn : Way::kReplace;
    // A new file gets the usual permissions (the umask applied); a
    // replacement stays private until it has the target's own.
    out_ = CreateTemporaryFile(folder_.get(), name_, exists_ ? 0600 : 0666, way_ == Way::kReplace,
                               tempName_);
    if (!out_.valid()) {
        if (!exists_ || (errno != EACCES && errno != EPERM && errno != EROFS))
            return Fail();
        way_ = Way::kInPlace;  // the folder is closed to us; the file may not be
    }
    if (way_ == Way::kReplace)
        return true;
    // Opened now, so that a file the user may not write is refused before
    // the work. Not blocking: should a FIFO have taken the file's place, the
    // open fails instead of waiting for a reader.
    target_.reset(
        openat(folder_.get(), name_.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!target_.valid() || fstat(target_.get(), &st) != 0)
        return Fail();
    if (!S_ISREG(st.st_mode))
        return Fail(NotRegularFileError(st.st_mode));
    if (way_ == Way::kInPlace) {
        if (!Reserve(target_.get(), expectedSize))
            return Fail();
        out_ = std::move(target_);
    }
    return true;
}

bool SafeFileWriter::Write(const void* data, std::size_t size) {
    if (!WriteAll(out_.get(), data, size))
        return Fail();
    written_ += static_cast<Offset>(size);
    return true;
}

bool SafeFileWriter::Commit() {
    bool done = false;
    switch (way_) {
        case Way::kReplace:
            done = CommitReplace();
            break;
        case Way::kCopyIn:
            done = CopyNewContentIn() && FinishInPlace(target_);
            break;
        case Way::kInPlace:
            done = FinishInPlace(out_);
            break;
        case Way::kStream:
            done = out_.Close();
            break;
    }
    return done || Fail();
}

bool SafeFileWriter::CommitReplace() {
    const int fd = out_.get();
    // The new bytes reach the disk before they replace a file, so that a
    // crash can never leave the target neither old nor new.
    if (exists_ && (!CopyFileMetadata(resolved_, original_, fd) || fsync(fd) != 0))
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return false;
    if (tempName_.empty() && !NameTemporaryFile(fd, folder_.get(), name_, tempName_))
        return false;
    if (!out_.Close() ||
        renameat(folder_.get(), tempName_.c_str(), folder_.get(), name_.c_str()) != 0)
        return false;
    tempName_.clear();
    stamp_ = StampOf(st);
    return true;
}

bool SafeFileWriter::CopyNewContentIn() {
    if (!Reserve(target_.get(), written_))
        return false;
    const std::unique_ptr<char[]> block(new char[kCopyBlock]);
    for (Offset at = 0; at < written_;) {
        const auto want = static_cast<std::size_t>(std::min<Offset>(kCopyBlock, written_ - at));
        const ssize_t got = pread(out_.get(), block.get(), want, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got == 0)
                errno = EIO;
            return false;
        }
        if (!WriteAllAt(target_.get(), block.get(), static_cast<std::size_t>(got), at))
            return false;
        at += got;
    }
    return true;
}

bool SafeFileWriter::FinishInPlace(UniqueFd& fd) {
    struct stat st {};
    if (ftruncate(fd.get(), written_) != 0 || fsync(fd.get()) != 0 || fstat(fd.get(), &st) != 0)
        return false;
    stamp_ = StampOf(st);
    return fd.Close();
}

}  // namespace orvel
