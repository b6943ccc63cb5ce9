#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvel {

// Bytes in one page of the mark store.
inline constexpr std::size_t kMarkPageSize = 4096;

// Hands out kMarkPageSize-byte blocks of memory for the per-byte pages of a
// mark store. Blocks are cut from 2 MiB slabs of anonymous memory that ask for
// transparent huge pages, so that marking a large area per byte pays one
// fault per 2 MiB instead of one per 4 KiB. Blocks
// given back are kept for reuse until releaseAll(). Not thread-safe.
class MarkPagePool {
  public:
    MarkPagePool() = default;
    ~MarkPagePool();
    MarkPagePool(MarkPagePool&& other) noexcept;
    MarkPagePool& operator=(MarkPagePool&& other) noexcept;
    MarkPagePool(const MarkPagePool&) = delete;
    MarkPagePool& operator=(const MarkPagePool&) = delete;

    // Makes sure the next `count` calls to take() cannot fail.
    // Throws std::bad_alloc when memory cannot be had or the limit is reached.
    void reserve(std::size_t count);
    // The most memory the pool may map, rounded down to whole 2 MiB slabs
    // (none by default). A smaller limit keeps the slabs already mapped.
    void setLimit(std::size_t bytes) { limitBytes_ = bytes; }
    // A block with unspecified content; reserve() must have covered it.
    [[nodiscard]] std::uint8_t* take() noexcept;
    // Returns a block handed out by take() for reuse.
    void give(std::uint8_t* block) noexcept;
    // Unmaps every slab: all blocks handed out become invalid.
    void releaseAll() noexcept;

  private:
    void addSlab();

    std::vector<std::uint8_t*> slabs_;
    std::uint8_t* freeList_ = nullptr;  // linked through the first bytes of each free block
    std::size_t freeCount_ = 0;
    std::uint8_t* fresh_ = nullptr;  // the untouched rest of the newest slab
    std::uint8_t* freshEnd_ = nullptr;
    std::size_t limitBytes_ = static_cast<std::size_t>(-1);
};

}  // namespace orvel
