#include "view/mark_page_pool.h"

#include <sys/mman.h>

#include <cstring>
#include <new>
#include <utility>

namespace orvel {
namespace {

constexpr std::size_t kSlabSize = std::size_t{2} << 20;

// A kSlabSize mapping aligned to kSlabSize, which the kernel needs before it
// can back it with one huge page.
std::uint8_t* MapAlignedSlab() {
    void* p =
        mmap(nullptr, 2 * kSlabSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    auto* raw = static_cast<std::uint8_t*>(p);
    const auto address = reinterpret_cast<std::uintptr_t>(raw);
    const std::size_t head = (kSlabSize - address % kSlabSize) % kSlabSize;
    if (head > 0)
        munmap(raw, head);
    munmap(raw + head + kSlabSize, kSlabSize - head);
    return raw + head;
}

}  // namespace

MarkPagePool::~MarkPagePool() {
    releaseAll();
}

MarkPagePool::MarkPagePool(MarkPagePool&& other) noexcept
    : slabs_(std::move(other.slabs_)),
      freeList_(std::exchange(other.freeList_, nullptr)),
      freeCount_(std::exchange(other.freeCount_, 0)),
      fresh_(std::exchange(other.fresh_, nullptr)),
      freshEnd_(std::exchange(other.freshEnd_, nullptr)),
      limitBytes_(other.limitBytes_) {
    other.slabs_.clear();
}

MarkPagePool& MarkPagePool::operator=(MarkPagePool&& other) noexcept {
    if (this != &other) {
        releaseAll();
        slabs_ = std::move(other.slabs_);
        other.slabs_.clear();
        freeList_ = std::exchange(other.freeList_, nullptr);
        freeCount_ = std::exchange(other.freeCount_, 0);
        fresh_ = std::exchange(other.fresh_, nullptr);
        freshEnd_ = std::exchange(other.freshEnd_, nullptr);
        limitBytes_ = other.limitBytes_;
    }
    return *this;
}

void MarkPagePool::addSlab() {
    if (slabs_.size() >= limitBytes_ / kSlabSize)
        throw std::bad_alloc();
    slabs_.reserve(slabs_.size() + 1);
    std::uint8_t* slab = MapAlignedSlab();
    // One fault fills the whole slab instead of one fault per block (about
    // 12 us each), at the price of 2 MiB even for a few scattered per-byte pages.
    madvise(slab, kSlabSize, MADV_HUGEPAGE);
    slabs_.push_back(slab);
    fresh_ = slab;
    freshEnd_ = slab + kSlabSize;
}

void MarkPagePool::reserve(std::size_t count) {
    while (freeCount_ < count) {
        if (fresh_ == freshEnd_)
            addSlab();
        give(fresh_);
        fresh_ += kMarkPageSize;
    }
}

std::uint8_t* MarkPagePool::take() noexcept {
    std::uint8_t* block = freeList_;
    std::memcpy(&freeList_, block, sizeof freeList_);
    --freeCount_;
    return block;
}

void MarkPagePool::give(std::uint8_t* block) noexcept {
    std::memcpy(block, &freeList_, sizeof freeList_);
    freeList_ = block;
    ++freeCount_;
}

void MarkPagePool::releaseAll() noexcept {
    for (std::uint8_t* slab : slabs_)
        munmap(slab, kSlabSize);
    slabs_.clear();
    freeList_ = nullptr;
    freeCount_ = 0;
    fresh_ = nullptr;
    freshEnd_ = nullptr;
}

}  // namespace orvel
