#include "document/file_metadata.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <vector>

namespace orvel {
namespace {

// Reads a list or a value through `get` (which takes a buffer and its size,
// and returns the length or -1), growing the buffer while the data grows.
template <typename Get>
bool ReadGrowing(std::vector<char>& buffer, Get get) {
    for (;;) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0)
            return false;
        buffer.resize(static_cast<std::size_t>(size));
        const ssize_t got = get(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

bool IsPrivilegedAttribute(std::string_view name) {
    return name.starts_with("security.") || name.starts_with("trusted.");
}

bool CopyOwner(const struct stat& original, int fd) {
    if (fchown(fd, original.st_uid, original.st_gid) == 0)
        return true;
    if (errno != EPERM)
        return false;
    // Without privileges the owner stays ours; the group may still be one of ours.
    if (fchown(fd, static_cast<uid_t>(-1), original.st_gid) == 0 || errno == EPERM)
        return true;
    return false;
}

bool CopyExtendedAttributes(const std::string& originalPath, int fd) {
    std::vector<char> names;
    if (!ReadGrowing(names, [&](char* buf, std::size_t size) {
            return llistxattr(originalPath.c_str(), buf, size);
        })) {
        return errno == ENOTSUP;
    }
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size();) {
        const std::string_view name(names.data() + at);
        at += name.size() + 1;
        if (!ReadGrowing(value, [&](char* buf, std::size_t size) {
                return lgetxattr(originalPath.c_str(), name.data(), buf, size);
            })) {
            if (errno == ENODATA)
                continue;  // removed meanwhile
            return false;
        }
        if (fsetxattr(fd, name.data(), value.data(), value.size(), 0) != 0) {
            if (errno == ENOTSUP || (errno == EPERM && IsPrivilegedAttribute(name)))
                continue;
            return false;
        }
    }
    return true;
}

}  // namespace

bool CopyFileMetadata(const std::string& originalPath, const struct stat& original, int fd) {
    // The owner first: changing it clears the set-user-ID and set-group-ID
    // bits, and file capabilities, which come back below.
    return CopyOwner(original, fd) && fchmod(fd, original.st_mode & 07777) == 0 &&
           CopyExtendedAttributes(originalPath, fd);
}

}  // namespace orvel
