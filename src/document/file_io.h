#pragma once

#include <string>

#include "document/byte_buffer.h"
#include "document/file_access.h"
#include "document/file_error.h"
#include "document/file_stamp.h"

struct stat;

namespace orvel {

// The refusal of a file larger than kMaxFileSize (EFBIG).
[[nodiscard]] FileError FileTooLargeError();

// Reads the whole file at `path` into `out` (replacing its content): a
// regular file, or with FileKinds::AlsoStreams also a pipe or a device (see
// OpenForReading). A file larger than kMaxFileSize is refused. On failure
// `out` is left empty. `stamp`, when given, receives the file as it was read.
[[nodiscard]] bool LoadFile(const std::string& path, ByteBuffer& out, FileError& error,
                            FileKinds kinds = FileKinds::RegularOnly, FileStamp* stamp = nullptr);

// Reads the file open as `fd` (status `st`) from where it stands to its end
// into `out`, with the rules of LoadFile.
[[nodiscard]] bool LoadOpenFile(int fd, const struct stat& st, ByteBuffer& out, FileError& error);

// Saves all bytes of `bytes` to `path` through a SafeFileWriter of `kinds`.
// `written`, when given, receives the saved file as it is on disk.
[[nodiscard]] bool SaveFile(const std::string& path, const ByteBuffer& bytes, FileError& error,
                            FileKinds kinds = FileKinds::RegularOnly, FileStamp* written = nullptr);

}  // namespace orvel
