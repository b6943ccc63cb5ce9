#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "document/file_error.h"
#include "document/offset.h"
#include "document/unique_fd.h"

namespace orvel {

// Reads up to `size` bytes from `fd` into `out`, going on after interruptions
// and short reads until `size` bytes or the end of the file: the count read,
// or -1 with errno set. `at` >= 0 reads from that offset (pread) and leaves the
// file position alone; -1 reads from the file position.
[[nodiscard]] Offset ReadFully(int fd, void* out, std::size_t size, Offset at = -1);

// A read-only mapping of bytes of a file, unmapped when it goes.
class MappedBytes {
  public:
    MappedBytes() = default;
    ~MappedBytes() { Reset(); }
    MappedBytes(const MappedBytes&) = delete;
    MappedBytes& operator=(const MappedBytes&) = delete;

    [[nodiscard]] std::span<const std::uint8_t> bytes() const { return bytes_; }
    void Reset();

  private:
    friend class InputReader;
    void* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
    std::span<const std::uint8_t> bytes_;
};

// An input file read block by block into the caller's buffers, never whole:
// a regular file by offset, anything else a pipe, a FIFO or a device gives
// (a stream) in order. This is how orvel-cli reads, so its memory stays small
// whatever the size of the file.
class InputReader {
  public:
    // Opens `path` for reading: a regular file, a pipe or a device, not a
    // directory (OpenForReading with FileKinds::kAlsoStreams).
    [[nodiscard]] bool Open(const std::string& path, FileError& error);

    // True for a regular file: it can be read anywhere, also from several
    // threads at once. A regular file that says it is empty (as those in
    // /proc do, whatever they hold) is read as a stream.
    [[nodiscard]] bool seekable() const { return size_ >= 0; }
    // A regular file's size when it was opened; for a spooled stream the
    // offset of its end; -1 for a stream.
    [[nodiscard]] Offset size() const { return size_; }

    // Reads the bytes [pos, pos + size) into `out`, all of them unless the
    // input ends first: the count read, or -1 with `error` set. A regular file
    // may be read at any offset from any thread. A stream is read by one thread
    // in order: `pos` may not lie before the end of the previous read, and the
    // bytes up to it are read and dropped.
    [[nodiscard]] Offset ReadAt(Offset pos, std::uint8_t* out, std::size_t size, FileError& error);

    // Maps the bytes [pos, pos + size) of a seekable input, which must lie
    // within size(), read-only into `out`: reading them needs no copy, and
    // the pages of a file in the page cache are shared, not duplicated.
    // Should the file shrink while mapped, touching a page past its new end
    // raises SIGBUS. Any thread.
    [[nodiscard]] bool MapAt(Offset pos, std::size_t size, MappedBytes& out,
                             FileError& error) const;

    // True when the bytes [pos, pos + size) of a seekable input lie in a hole
    // of a sparse file: they read as zeros without being read. Any thread.
    [[nodiscard]] bool IsHole(Offset pos, std::size_t size) const;

    // Makes a stream seekable: copies what is left of it (from where the reads
    // have come) to an unnamed temporary file in $TMPDIR (or /tmp) and reads
    // that from now on, at the same offsets. Nothing to do for a regular file.
    [[nodiscard]] bool Spool(FileError& error);

  private:
    UniqueFd fd_;
    Offset size_ = -1;
    Offset streamPos_ = 0;  // a stream's bytes read so far
    Offset base_ = 0;       // the offset of the first byte of fd_ (a spooled stream's rest)
};

}  // namespace orvel
