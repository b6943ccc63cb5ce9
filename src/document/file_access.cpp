#include "document/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace orvel {
namespace {

const char* KindName(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a named pipe (FIFO)";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    return "a special file";
}

bool Accepted(mode_t mode, FileKinds kinds) {
    return kinds == FileKinds::kRegularOnly ? S_ISREG(mode) : !S_ISDIR(mode);
}

}  // namespace

FileError NotRegularFileError(mode_t mode) {
    return {S_ISDIR(mode) ? EISDIR : EINVAL,
            std::string("The file is ") + KindName(mode) + ", not a regular file."};
}

UniqueFd OpenForReading(const std::string& path, FileKinds kinds, struct stat& st,
                        FileError& error) {
    int flags = O_RDONLY | O_CLOEXEC;
    if (kinds == FileKinds::kRegularOnly) {
        if (stat(path.c_str(), &st) != 0) {
            error = ErrorFromErrno(errno);
            return {};
        }
        if (!Accepted(st.st_mode, kinds)) {
            error = NotRegularFileError(st.st_mode);
            return {};
        }
        // Should a FIFO take the file's place now, the open must not wait for
        // a writer; reading a regular file ignores the flag.
        flags |= O_NONBLOCK;
    }
    UniqueFd fd(open(path.c_str(), flags));
    if (!fd.valid() || fstat(fd.get(), &st) != 0) {
        error = ErrorFromErrno(errno);
        return {};
    }
    if (!Accepted(st.st_mode, kinds)) {
        error = NotRegularFileError(st.st_mode);
        return {};
    }
    return fd;
}

}  // namespace orvel
