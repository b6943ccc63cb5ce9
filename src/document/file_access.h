#pragma once

#include <sys/types.h>

#include <string>

#include "document/file_error.h"
#include "document/unique_fd.h"

struct stat;

namespace orvel {

// Which files an operation accepts besides regular files.
enum class FileKinds {
    // The windows: regular files only (also through symbolic links); every
    // other kind is refused at once, before anything could block.
    kRegularOnly,
    // orvel-cli: also pipes, FIFOs and devices, read or written as streams
    // (opening a FIFO waits for the other end, as a shell redirection does).
    kAlsoStreams,
};

// The refusal of a file of type `mode` that is not a regular file, e.g.
// "The file is a named pipe (FIFO), not a regular file." (EISDIR for a
// directory, EINVAL for the other kinds).
[[nodiscard]] FileError NotRegularFileError(mode_t mode);

// Opens `path` for reading. With RegularOnly the type is checked before the
// open, which cannot block, and again on the open file, so a FIFO put in its
// place meanwhile is refused as well. With AlsoStreams only a directory is
// refused. On success `st` holds the open file's status; on failure the
// result is not valid and `error` says why.
[[nodiscard]] UniqueFd OpenForReading(const std::string& path, FileKinds kinds, struct stat& st,
                                      FileError& error);

}  // namespace orvel
