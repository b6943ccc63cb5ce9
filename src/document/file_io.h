#pragma once

#include <cstddef>
#include <string>

#include "document/byte_buffer.h"

namespace orvel {

// Why a file operation failed: the errno value and the system's text for it
// (or our own text where the system has none, as for a file that is too large).
struct FileError {
    int code = 0;
    std::string text;
};

// Reads the whole file at `path` into `out` (replacing its content). A file
// larger than kMaxFileSize is refused. On failure `out` is left empty.
[[nodiscard]] bool LoadFile(const std::string& path, ByteBuffer& out, FileError& error);

// Writes a file so that a failure never damages the file already there: the
// bytes go to a temporary file in the target's folder, which is renamed over
// the target only after the whole write succeeded. An existing target keeps its
// permission bits. Destroying an uncommitted writer removes the temporary file.
class SafeFileWriter {
  public:
    explicit SafeFileWriter(std::string targetPath);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    [[nodiscard]] bool Open();
    [[nodiscard]] bool Write(const void* data, std::size_t size);
    [[nodiscard]] bool Commit();
    [[nodiscard]] const FileError& error() const { return error_; }

  private:
    bool Fail();
    void Discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    FileError error_;
};

// Saves all bytes of `bytes` to `path` through a SafeFileWriter.
[[nodiscard]] bool SaveFile(const std::string& path, const ByteBuffer& bytes, FileError& error);

// The system's text for an errno value.
[[nodiscard]] std::string SystemErrorText(int code);

}  // namespace orvel
