#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "document/offset.h"
#include "view/mark_color.h"
#include "view/mark_page_pool.h"

namespace orvel {

// The colour marks of one view: one MarkColor per byte offset 0..kMaxFileSize,
// black where nothing was painted. A byte's hex digits and its character cell
// always share its colour.
//
// Kept in pages of kMarkPageSize bytes. A page is absent (all black, costs
// nothing), uniform (one colour for all its bytes, 16 bytes of table) or dense
// (one byte per byte, from a MarkPagePool). The page table is two-level: a
// directory grown on demand up to the highest painted page, holding chunks of
// 512 page slots (8 KiB, 2 MiB of document each) that exist only while one of
// their pages is in use. An empty store costs a few words, even for a 4 GiB
// document. Painting a long range writes one slot per whole page and bytes
// only for the partial pages at its ends.
//
// The store does not know the document's size and never shifts: the view
// clears it whenever it rebuilds the dump (any insert, removal or reordering
// of bytes) and keeps it when bytes only change value.
//
// Used from the GUI thread only (the marking worker hands its paint requests
// to that thread), so there is no locking.
class MarkStore {
  public:
    MarkStore() = default;
    MarkStore(MarkStore&& other) noexcept;
    MarkStore& operator=(MarkStore&& other) noexcept;  // leaves `other` empty
    MarkStore(const MarkStore&) = delete;
    MarkStore& operator=(const MarkStore&) = delete;

    // Paints the bytes from the lower to the higher of `first` and `last`
    // inclusive. The part of the range outside 0..kMaxFileSize is ignored.
    // Throws std::bad_alloc when memory cannot be had; the store is then unchanged.
    void Paint(Offset first, Offset last, MarkColor color);
    void PaintByte(Offset i, MarkColor color);
    // Paints a run, also one of alternating units (a short unit turns every
    // page of the run per-byte and copies the units' pattern in).
    void Paint(const PaintRun& run);
    // Paints the range black; whole black pages give their memory back.
    void ClearRange(Offset first, Offset last) { Paint(first, last, MarkColor::kBlack); }
    // Drops every mark and gives all memory back, in time proportional to the
    // memory in use (one step per 2 MiB of document or of per-byte pages).
    void Clear() noexcept;

    // Outside 0..kMaxFileSize every byte reads as black.
    [[nodiscard]] MarkColor ColorAt(Offset i) const;
    // Hands `sink` the bytes first..last in maximal runs of equal colour,
    // black runs included, in increasing order. Returns false when the
    // sink ended the walk, true otherwise (also when first > last: no run).
    bool Runs(Offset first, Offset last, const RunSink& sink) const;

    // The most memory the per-byte pages may take (see MarkPagePool::setLimit);
    // painting that needs more throws std::bad_alloc as when memory runs out.
    void setMemoryLimit(std::size_t bytes) { pool_.setLimit(bytes); }

    // True when no page is in use: every byte is black. (A page can also be
    // all black while in use, after its bytes were painted black one by one.)
    [[nodiscard]] bool empty() const { return pagesInUse_ == 0; }
    // Pages that are uniform in a colour other than black, or dense.
    [[nodiscard]] Offset pagesInUse() const { return pagesInUse_; }

  private:
    static constexpr Offset kPageSize = static_cast<Offset>(kMarkPageSize);
    static constexpr Offset kChunkPages = 512;

    struct Page {
        std::uint8_t* bytes = nullptr;  // dense when set
        MarkColor color = MarkColor::kBlack;
        [[nodiscard]] bool inUse() const { return bytes != nullptr || color != MarkColor::kBlack; }
    };
    struct Chunk {
        std::array<Page, kChunkPages> pages{};
        Offset used = 0;
    };

    [[nodiscard]] const Page* findPage(Offset page) const;
    [[nodiscard]] Page* findPage(Offset page);
    // Makes chunks exist for pages first..last; may throw before any change.
    void ensureChunks(Offset firstPage, Offset lastPage);
    // Gives pages first..last one colour; their chunks exist unless `color` is black.
    void fillPages(Offset firstPage, Offset lastPage, MarkColor color) noexcept;
    // True when painting part of `page` in `color` turns it dense.
    [[nodiscard]] bool needsBlock(Offset page, MarkColor color) const;
    // Paints bytes lo..hi of a page that the range does not cover whole;
    // needs one reserved pool block.
    void paintPartOfPage(Offset page, Offset lo, Offset hi, MarkColor color) noexcept;
    // The bytes of a page whose chunk exists, turning it per-byte if it is
    // not; needs one reserved pool block then.
    [[nodiscard]] std::uint8_t* denseBytes(Offset page) noexcept;

    std::vector<std::unique_ptr<Chunk>> chunks_;
    MarkPagePool pool_;
    Offset pagesInUse_ = 0;
};

// Inline: marking byte by byte calls these once per byte.
inline const MarkStore::Page* MarkStore::findPage(Offset page) const {
    // Unsigned, so that a negative page is out of range too.
    const auto p = static_cast<std::size_t>(page);
    const std::size_t chunk = p / kChunkPages;
    if (chunk >= chunks_.size() || !chunks_[chunk])
        return nullptr;
    return &chunks_[chunk]->pages[p % kChunkPages];
}

inline MarkStore::Page* MarkStore::findPage(Offset page) {
    return const_cast<Page*>(std::as_const(*this).findPage(page));
}

inline void MarkStore::PaintByte(Offset i, MarkColor color) {
    const auto u = static_cast<std::uint64_t>(i);  // a negative offset becomes too large
    if (u > kMaxFileSize)
        return;
    if (Page* slot = findPage(static_cast<Offset>(u / kMarkPageSize));
        slot != nullptr && slot->bytes != nullptr) {
        slot->bytes[u % kMarkPageSize] = static_cast<std::uint8_t>(color);
        return;
    }
    Paint(i, i, color);  // the page turns per-byte first
}

}  // namespace orvel
