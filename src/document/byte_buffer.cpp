#include "document/byte_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace orvel {
namespace {

constexpr Offset kPage = 4096;
constexpr Offset kHugePage = Offset{2} << 20;

Offset RoundUp(Offset n, Offset to) {
    return (n + to - 1) / to * to;
}

// Capacity for at least `n` bytes: small arrays round to pages, large ones to
// huge pages with an eighth of slack so that repeated inserts do not remap.
Offset CapacityFor(Offset n) {
    if (n < kHugePage)
        return RoundUp(std::max<Offset>(n, 1), kPage);
    return RoundUp(n + n / 8, kHugePage);
}

void AdviseHuge(void* p, Offset bytes) {
    if (bytes >= kHugePage)
        madvise(p, static_cast<std::size_t>(bytes), MADV_HUGEPAGE);
}

}  // namespace

ByteBuffer::ByteBuffer(Offset size) {
    resize(size);
}

ByteBuffer::ByteBuffer(const std::uint8_t* data, Offset size) {
    append(data, size);
}

ByteBuffer::~ByteBuffer() {
    if (data_ != nullptr)
        munmap(data_, static_cast<std::size_t>(capacity_));
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept {
    if (this != &other) {
        ByteBuffer old(std::move(*this));
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

void ByteBuffer::grow(Offset minCapacity) {
    if (minCapacity <= capacity_)
        return;
    const Offset capacity = CapacityFor(minCapacity);
    void* p;
    if (data_ == nullptr) {
        p = mmap(nullptr, static_cast<std::size_t>(capacity), PROT_READ | PROT_WRITE,
                 MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    } else {
        p = mremap(data_, static_cast<std::size_t>(capacity_), static_cast<std::size_t>(capacity),
                   MREMAP_MAYMOVE);
    }
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    AdviseHuge(p, capacity);
    data_ = static_cast<std::uint8_t*>(p);
    capacity_ = capacity;
}

void ByteBuffer::reserve(Offset capacity) {
    grow(capacity);
}

void ByteBuffer::resize(Offset size) {
    const Offset old = size_;
    resizeForOverwrite(size);
    if (size > old)
        std::memset(data_ + old, 0, static_cast<std::size_t>(size - old));
}

void ByteBuffer::resizeForOverwrite(Offset size) {
    grow(size);
    size_ = size;
}

void ByteBuffer::append(const std::uint8_t* src, Offset count) {
    if (count <= 0)
        return;
    std::memcpy(insertGap(size_, count), src, static_cast<std::size_t>(count));
}

// An empty buffer may have no memory at all, and memmove must not see its
// null pointer even for no bytes.
std::uint8_t* ByteBuffer::insertGap(Offset pos, Offset count) {
    grow(size_ + count);
    const Offset tail = size_ - pos;
    if (tail > 0)
        std::memmove(data_ + pos + count, data_ + pos, static_cast<std::size_t>(tail));
    size_ += count;
    return data_ + pos;
}

void ByteBuffer::erase(Offset pos, Offset count) {
    const Offset tail = size_ - pos - count;
    if (tail > 0)
        std::memmove(data_ + pos, data_ + pos + count, static_cast<std::size_t>(tail));
    size_ -= count;
}

}  // namespace orvel
