#include "view/mark_store.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace orvel {
namespace {

constexpr Offset kLastPage = kMaxFileSize / static_cast<Offset>(kMarkPageSize);

void Fill(std::uint8_t* bytes, Offset count, MarkColor color) {
    std::memset(bytes, static_cast<int>(color), static_cast<std::size_t>(count));
}

}  // namespace

MarkStore::MarkStore(MarkStore&& other) noexcept
    : chunks_(std::move(other.chunks_)),
      pool_(std::move(other.pool_)),
      pagesInUse_(std::exchange(other.pagesInUse_, 0)) {
    other.chunks_.clear();
}

MarkStore& MarkStore::operator=(MarkStore&& other) noexcept {
    if (this != &other) {
        chunks_ = std::move(other.chunks_);
        other.chunks_.clear();
        pool_ = std::move(other.pool_);
        pagesInUse_ = std::exchange(other.pagesInUse_, 0);
    }
    return *this;
}

void MarkStore::ensureChunks(Offset firstPage, Offset lastPage) {
    const auto lastChunk = static_cast<std::size_t>(lastPage / kChunkPages);
    if (chunks_.size() <= lastChunk)
        chunks_.resize(lastChunk + 1);
    for (auto c = static_cast<std::size_t>(firstPage / kChunkPages); c <= lastChunk; ++c) {
        if (!chunks_[c])
            chunks_[c] = std::make_unique<Chunk>();
    }
}

void MarkStore::fillPages(Offset firstPage, Offset lastPage, MarkColor color) noexcept {
    const bool nowInUse = color != MarkColor::kBlack;
    for (Offset page = firstPage; page <= lastPage;) {
        const auto c = static_cast<std::size_t>(page / kChunkPages);
        const Offset end = std::min(lastPage, static_cast<Offset>(c + 1) * kChunkPages - 1);
        std::unique_ptr<Chunk>* chunk = c < chunks_.size() ? &chunks_[c] : nullptr;
        if (chunk != nullptr && *chunk) {
            Chunk& pages = **chunk;
            for (Offset p = page; p <= end; ++p) {
                Page& slot = pages.pages[static_cast<std::size_t>(p % kChunkPages)];
                const bool wasInUse = slot.inUse();
                if (slot.bytes != nullptr)
                    pool_.give(std::exchange(slot.bytes, nullptr));
                slot.color = color;
                pages.used += static_cast<Offset>(nowInUse) - static_cast<Offset>(wasInUse);
                pagesInUse_ += static_cast<Offset>(nowInUse) - static_cast<Offset>(wasInUse);
            }
            if (pages.used == 0)
                chunk->reset();
        }
        page = end + 1;
    }
}

bool MarkStore::needsBlock(Offset page, MarkColor color) const {
    const Page* slot = findPage(page);
    const MarkColor now = slot == nullptr ? MarkColor::kBlack : slot->color;
    return (slot == nullptr || slot->bytes == nullptr) && now != color;
}

std::uint8_t* MarkStore::denseBytes(Offset page) noexcept {
    Page* slot = findPage(page);
    if (slot->bytes == nullptr) {
        std::uint8_t* bytes = pool_.take();
        Fill(bytes, kPageSize, slot->color);
        if (!slot->inUse()) {
            ++chunks_[static_cast<std::size_t>(page / kChunkPages)]->used;
            ++pagesInUse_;
        }
        slot->bytes = bytes;
    }
    return slot->bytes;
}

void MarkStore::paintPartOfPage(Offset page, Offset lo, Offset hi, MarkColor color) noexcept {
    const Page* slot = findPage(page);
    if (slot == nullptr)
        return;  // an absent chunk is black, and only black gets here without one
    if (slot->bytes == nullptr && slot->color == color)
        return;
    Fill(denseBytes(page) + lo, hi - lo + 1, color);
}

void MarkStore::Paint(const PaintRun& run) {
    if (run.unit <= 0 || run.color == run.color2) {
        Paint(run.first, run.last, run.color);
        return;
    }
    const Offset first = std::max<Offset>(std::min(run.first, run.last), 0);
    const Offset last = std::min(std::max(run.first, run.last), kMaxFileSize);
    if (first > last)
        return;
    if (run.unit >= kPageSize) {
        // Long units fill whole pages one colour each.
        for (Offset a = first; a <= last;) {
            const Offset unitEnd = run.origin + ((a - run.origin) / run.unit + 1) * run.unit - 1;
            const Offset b = std::min(last, unitEnd);
            Paint(a, b, run.ColorOf(a));
            a = b + 1;
        }
        return;
    }
    // Short units: one period of the pattern, long enough to copy a whole
    // page from any phase.
    const Offset period = 2 * run.unit;
    std::vector<std::uint8_t> pattern(static_cast<std::size_t>(kPageSize + period));
    for (Offset i = 0; i < static_cast<Offset>(pattern.size()); ++i) {
        pattern[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>((i / run.unit) % 2 != 0 ? run.color2 : run.color);
    }
    const Offset firstPage = first / kPageSize;
    const Offset lastPage = last / kPageSize;
    // Every allocation happens before the first change.
    ensureChunks(firstPage, lastPage);
    std::size_t blocks = 0;
    for (Offset page = firstPage; page <= lastPage; ++page)
        blocks += findPage(page)->bytes == nullptr ? 1 : 0;
    pool_.reserve(blocks);
    for (Offset page = firstPage; page <= lastPage; ++page) {
        const Offset from = std::max(first, page * kPageSize);
        const Offset to = std::min(last, page * kPageSize + kPageSize - 1);
        const Offset phase = ((from - run.origin) % period + period) % period;
        std::memcpy(denseBytes(page) + from % kPageSize,
                    pattern.data() + static_cast<std::size_t>(phase),
                    static_cast<std::size_t>(to - from + 1));
    }
}

void MarkStore::Paint(Offset first, Offset last, MarkColor color) {
    if (first > last)
        std::swap(first, last);
    first = std::max<Offset>(first, 0);
    last = std::min(last, kMaxFileSize);
    if (first > last)
        return;

    const Offset firstPage = first / kPageSize;
    const Offset lastPage = last / kPageSize;
    const Offset lo = first % kPageSize;
    const Offset hi = last % kPageSize;
    // Every allocation happens before the first change.
    if (color != MarkColor::kBlack)
        ensureChunks(firstPage, lastPage);
    const bool wholeFirstPage = lo == 0 && (firstPage < lastPage || hi == kPageSize - 1);
    const bool wholeLastPage = hi == kPageSize - 1;
    pool_.reserve(static_cast<std::size_t>(!wholeFirstPage && needsBlock(firstPage, color)) +
                  static_cast<std::size_t>(!wholeLastPage && lastPage != firstPage &&
                                           needsBlock(lastPage, color)));

    if (firstPage == lastPage && !wholeFirstPage) {
        paintPartOfPage(firstPage, lo, hi, color);
        return;
    }
    Offset wholeFirst = firstPage;
    Offset wholeLast = lastPage;
    if (!wholeFirstPage)
        paintPartOfPage(wholeFirst++, lo, kPageSize - 1, color);
    if (!wholeLastPage)
        paintPartOfPage(wholeLast--, 0, hi, color);
    if (wholeFirst <= wholeLast)
        fillPages(wholeFirst, wholeLast, color);
}

void MarkStore::Clear() noexcept {
    chunks_.clear();
    pool_.releaseAll();
    pagesInUse_ = 0;
}

MarkColor MarkStore::ColorAt(Offset i) const {
    const auto u = static_cast<std::uint64_t>(i);  // a negative offset becomes too large
    if (u > kMaxFileSize)
        return MarkColor::kBlack;
    const Page* slot = findPage(static_cast<Offset>(u / kMarkPageSize));
    if (slot == nullptr)
        return MarkColor::kBlack;
    if (slot->bytes != nullptr)
        return static_cast<MarkColor>(slot->bytes[u % kMarkPageSize]);
    return slot->color;
}

bool MarkStore::Runs(Offset first, Offset last, const RunSink& sink) const {
    if (first > last)
        return true;
    PaintRun run{first, first - 1, MarkColor::kBlack};
    // Extends the pending run by bytes a..b, or hands it over and starts anew.
    const auto add = [&](Offset a, Offset b, MarkColor color) {
        if (color == run.color) {
            run.last = b;
            return true;
        }
        const bool more = run.last < run.first || sink(run);
        run = {a, b, color};
        return more;
    };
    Offset pos = first;
    if (pos < 0) {  // no byte there, so black
        if (!add(pos, std::min(last, Offset{-1}), MarkColor::kBlack))
            return false;
        pos = 0;
    }
    while (pos <= last) {
        const Offset page = pos / kPageSize;
        const Offset pageStart = page * kPageSize;
        const Page* slot = findPage(page);
        if (slot == nullptr) {
            // An absent chunk is black to its end; past the largest offset all is black.
            const Offset chunkEnd = (page / kChunkPages + 1) * kChunkPages * kPageSize - 1;
            const Offset end = page > kLastPage ? last : std::min(last, chunkEnd);
            if (!add(pos, end, MarkColor::kBlack))
                return false;
            if (end == last)
                break;  // `last` may be the largest Offset
            pos = end + 1;
            continue;
        }
        const Offset end = std::min(last, pageStart + kPageSize - 1);
        if (slot->bytes == nullptr) {
            if (!add(pos, end, slot->color))
                return false;
        } else {
            const std::uint8_t* bytes = slot->bytes;
            for (Offset a = pos - pageStart, e = end - pageStart; a <= e;) {
                const std::uint8_t value = bytes[a];
                Offset b = a;
                while (b < e && bytes[b + 1] == value)
                    ++b;
                if (!add(pageStart + a, pageStart + b, static_cast<MarkColor>(value)))
                    return false;
                a = b + 1;
            }
        }
        pos = end + 1;
    }
    return run.last < run.first || sink(run);
}

}  // namespace orvel
