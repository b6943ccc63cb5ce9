#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "compare/block_reader.h"
#include "document/unique_fd.h"

namespace orvel {

// A regular file read through one sliding buffer with pread: memory stays near
// twice the largest block asked for, whatever the file's size. The size is taken
// when the reader is made; a file that has shrunk since is a read failure.
class FileBlockReader final : public BlockReader {
  public:
    // Takes `fd`, open for reading on a regular file of `size` bytes.
    FileBlockReader(UniqueFd fd, Offset size) : fd_(std::move(fd)), size_(size) {}

    [[nodiscard]] Offset size() const override { return size_; }
    [[nodiscard]] bool Read(Offset pos, Offset length, std::span<const std::uint8_t>& out) override;
    [[nodiscard]] const FileError& error() const override { return error_; }

  private:
    // Reads from the end of the buffer until it holds `want` bytes or the file ends.
    [[nodiscard]] bool Fill(std::size_t want);

    UniqueFd fd_;
    Offset size_;
    std::vector<std::uint8_t> buffer_;
    Offset bufferPos_ = 0;  // the file offset of buffer_[0]
    std::size_t held_ = 0;  // bytes of buffer_ that hold file content
    FileError error_;
};

}  // namespace orvel
