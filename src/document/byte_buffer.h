#pragma once

#include <cstdint>
#include <span>

#include "document/offset.h"

namespace orvel {

// The growable byte array behind a document. Large arrays live in anonymous
// memory given transparent huge pages, grow in place with slack (mremap), and
// never copy on growth; insert and erase cost one memmove of the tail.
// Not thread-safe; a const buffer may be read from several threads.
class ByteBuffer {
  public:
    ByteBuffer() = default;
    explicit ByteBuffer(Offset size);  // zero-filled
    ByteBuffer(const std::uint8_t* data, Offset size);
    ~ByteBuffer();
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    [[nodiscard]] std::uint8_t* data() { return data_; }
    [[nodiscard]] const std::uint8_t* data() const { return data_; }
    [[nodiscard]] Offset size() const { return size_; }
    [[nodiscard]] Offset capacity() const { return capacity_; }
    [[nodiscard]] bool empty() const { return size_ == 0; }
    [[nodiscard]] std::uint8_t operator[](Offset i) const { return data_[i]; }
    [[nodiscard]] std::uint8_t& operator[](Offset i) { return data_[i]; }
    [[nodiscard]] std::span<std::uint8_t> span() {
        return {data_, static_cast<std::size_t>(size_)};
    }
    [[nodiscard]] std::span<const std::uint8_t> span() const {
        return {data_, static_cast<std::size_t>(size_)};
    }

    // All of these throw std::bad_alloc when memory cannot be had; the buffer
    // is then unchanged.
    void reserve(Offset capacity);
    void resize(Offset size);              // new bytes are zero
    void resizeForOverwrite(Offset size);  // new bytes are unspecified
    void clear() { size_ = 0; }
    void append(const std::uint8_t* src, Offset count);
    // Opens `count` bytes at `pos` (0 <= pos <= size) and returns them, unspecified.
    std::uint8_t* insertGap(Offset pos, Offset count);
    // Removes [pos, pos + count), which must lie within the buffer.
    void erase(Offset pos, Offset count);

  private:
    void grow(Offset minCapacity);

    std::uint8_t* data_ = nullptr;
    Offset size_ = 0;
    Offset capacity_ = 0;
};

}  // namespace orvel
