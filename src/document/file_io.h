#pragma once

#include <string>

#include "document/byte_buffer.h"
#include "document/file_access.h"
#include "document/file_error.h"
#include "document/file_stamp.h"
#include "jobs/job_progress.h"

struct stat;

namespace orvel {

// The refusal of a file larger than kMaxFileSize (EFBIG).
[[nodiscard]] FileError FileTooLargeError();

class SafeFileWriter;

// Reads the whole file at `path` into `out` (replacing its content): a
// regular file, or with FileKinds::kAlsoStreams also a pipe or a device (see
// OpenForReading). A file larger than kMaxFileSize is refused. On failure
// `out` is left empty. `stamp`, when given, receives the file as it was read.
// `progress`, when given, is told the bytes read of the file's size after
// every piece; when it returns false the load gives up (ECANCELED).
[[nodiscard]] bool LoadFile(const std::string& path, ByteBuffer& out, FileError& error,
                            FileKinds kinds = FileKinds::kRegularOnly, FileStamp* stamp = nullptr,
                            const ProgressSink& progress = {});

// Reads the file open as `fd` (status `st`) from where it stands to its end
// into `out`, with the rules of LoadFile.
[[nodiscard]] bool LoadOpenFile(int fd, const struct stat& st, ByteBuffer& out, FileError& error,
                                const ProgressSink& progress = {});

// Saves all bytes of `bytes` to `path` through a SafeFileWriter of `kinds`.
// `written`, when given, receives the saved file as it is on disk.
// `progress`, when given, is told the bytes written after every piece; when
// it returns false the save gives up (ECANCELED) and the file stays as it was.
[[nodiscard]] bool SaveFile(const std::string& path, const ByteBuffer& bytes, FileError& error,
                            FileKinds kinds = FileKinds::kRegularOnly, FileStamp* written = nullptr,
                            const ProgressSink& progress = {});

// The middle of a save: writes all of `bytes` through the opened `writer` in
// pieces, telling `progress` as SaveFile does. False on a write error (the
// writer's error) or when `progress` gave up (`error` is then ECANCELED).
[[nodiscard]] bool WriteInPieces(SafeFileWriter& writer, const ByteBuffer& bytes, FileError& error,
                                 const ProgressSink& progress);

}  // namespace orvel
