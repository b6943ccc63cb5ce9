#pragma once

#include <cstdint>
#include <span>

#include "document/file_error.h"
#include "document/offset.h"

namespace orvel {

// One side of an aligned comparison, read block by block, so that two files can
// be compared without holding either whole. The aligner asks for positions that
// never go backwards (each call's `pos` is at least the previous call's), which
// lets a file reader keep one sliding buffer.
class BlockReader {
  public:
    virtual ~BlockReader() = default;

    // The length of the input, fixed for the reader's lifetime.
    [[nodiscard]] virtual Offset size() const = 0;
    // Sets `out` to the bytes [pos, pos + length) cut at size() (0 <= pos <= size());
    // they stay valid until the next call. False on a read failure, with error() set.
    [[nodiscard]] virtual bool Read(Offset pos, Offset length,
                                    std::span<const std::uint8_t>& out) = 0;
    [[nodiscard]] virtual const FileError& error() const = 0;
};

// An array in memory, handed out in place. The array must outlive the reader and
// stay unchanged while it is read.
class MemoryBlockReader final : public BlockReader {
  public:
    explicit MemoryBlockReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] Offset size() const override { return static_cast<Offset>(bytes_.size()); }
    [[nodiscard]] bool Read(Offset pos, Offset length,
                            std::span<const std::uint8_t>& out) override {
        const Offset n = length < size() - pos ? length : size() - pos;
        out = bytes_.subspan(static_cast<std::size_t>(pos), static_cast<std::size_t>(n));
        return true;
    }
    [[nodiscard]] const FileError& error() const override { return error_; }

  private:
    std::span<const std::uint8_t> bytes_;
    FileError error_;
};

}  // namespace orvel
