#include "compare/file_block_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orvel {
namespace {

// The least a refill reads ahead, so that small steps forward cost few reads.
constexpr std::size_t kMinBuffer = std::size_t{1} << 20;

}  // namespace

bool FileBlockReader::Read(Offset pos, Offset length, std::span<const std::uint8_t>& out) {
    const auto n = static_cast<std::size_t>(std::min(length, size_ - pos));
    const Offset heldEnd = bufferPos_ + static_cast<Offset>(held_);
    if (pos < bufferPos_ || pos >= heldEnd) {
        bufferPos_ = pos;
        held_ = 0;
    } else if (pos + static_cast<Offset>(n) > heldEnd) {
        const auto skip = static_cast<std::size_t>(pos - bufferPos_);
        std::memmove(buffer_.data(), buffer_.data() + skip, held_ - skip);
        held_ -= skip;
        bufferPos_ = pos;
    }
    const auto at = static_cast<std::size_t>(pos - bufferPos_);
    if (at + n > held_) {
        if (buffer_.size() < 2 * n)
            buffer_.resize(std::max(2 * n, kMinBuffer));
        if (!Fill(at + n))
            return false;
    }
    out = std::span<const std::uint8_t>(buffer_.data() + at, n);
    return true;
}

bool FileBlockReader::Fill(std::size_t want) {
    const auto fileLeft = static_cast<std::size_t>(size_ - bufferPos_);
    const std::size_t target = std::min(buffer_.size(), fileLeft);
    while (held_ < target) {
        const ssize_t got = pread(fd_.get(), buffer_.data() + held_, target - held_,
                                  static_cast<off_t>(bufferPos_) + static_cast<off_t>(held_));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error_ = ErrorFromErrno(errno);
            return false;
        }
        if (got == 0)
            break;
        held_ += static_cast<std::size_t>(got);
    }
    if (held_ < want) {
        error_ = {EIO, "The file became shorter while it was being read."};
        return false;
    }
    return true;
}

}  // namespace orvel
