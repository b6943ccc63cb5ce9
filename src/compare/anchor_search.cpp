#include "compare/anchor_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace orvel {
namespace {

// A rolling hash of the last kAnchorLength bytes: each byte is spread to a random
// word and the sum shifted by two bits a byte, so a byte has left the 64 bits by
// the time it leaves the window. One shift and one add a byte; the oldest bytes
// reach only the top bits, which confirming every hit byte by byte makes up for.
constexpr std::array<std::uint64_t, 256> SpreadTable() {
    std::array<std::uint64_t, 256> table{};
    std::uint64_t state = 0x5EED;
    for (auto& word : table) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        word = z ^ (z >> 31);
    }
    return table;
}
constexpr std::array<std::uint64_t, 256> kSpread = SpreadTable();
static_assert(2 * kAnchorLength == 64, "the hash holds exactly one window");

std::uint64_t Push(std::uint64_t hash, std::uint8_t entering) {
    return (hash << 2) + kSpread[entering];
}

// The hash of the window ending just before bytes[kAnchorLength - 1]: one Push
// more gives the first window's.
std::uint64_t Primed(const std::uint8_t* bytes) {
    std::uint64_t hash = 0;
    for (Offset i = 0; i + 1 < kAnchorLength; ++i)
        hash = Push(hash, bytes[i]);
    return hash;
}

// A table slot: the top bits of a multiple, which hear every bit of the hash.
std::uint64_t Mixed(std::uint64_t hash) {
    hash = (hash ^ (hash >> 31)) * 0xFF51AFD7ED558CCDULL;
    return hash ^ (hash >> 32);
}

// One window in 32, chosen by its content (the top bits hear every byte).
bool Sampled(std::uint64_t hash) {
    return hash >> 59 == 0;
}
constexpr Offset kSampleRate = 32;

}  // namespace

void AnchorSearch::Index(std::span<const std::uint8_t> b, bool sampled) {
    const auto windows = static_cast<Offset>(b.size()) - kAnchorLength + 1;
    const Offset expected = sampled ? windows / kSampleRate + 64 : windows;
    const auto capacity = std::bit_ceil(static_cast<std::uint64_t>(2 * expected));
    table_.assign(capacity, Slot{0, -1});
    mask_ = capacity - 1;
    // A content that samples far more than its share must not fill the table.
    const Offset limit = static_cast<Offset>(capacity / 2);
    Offset used = 0;
    std::uint64_t hash = Primed(b.data());
    for (Offset j = 0; j < windows && used < limit; ++j) {
        hash = Push(hash, b[j + kAnchorLength - 1]);
        if (sampled && !Sampled(hash))
            continue;
        std::uint64_t at = Mixed(hash) & mask_;
        while (table_[at].pos >= 0 && table_[at].hash != hash)
            at = (at + 1) & mask_;
        if (table_[at].pos < 0) {
            table_[at] = {hash, j};
            ++used;
        }
    }
}

const AnchorSearch::Slot* AnchorSearch::Lookup(std::uint64_t hash) const {
    for (std::uint64_t at = Mixed(hash) & mask_; table_[at].pos >= 0; at = (at + 1) & mask_) {
        if (table_[at].hash == hash)
            return &table_[at];
    }
    return nullptr;
}

std::optional<Anchor> AnchorSearch::Find(std::span<const std::uint8_t> a,
                                         std::span<const std::uint8_t> b) {
    const auto na = static_cast<Offset>(a.size());
    const auto nb = static_cast<Offset>(b.size());
    if (na < kAnchorLength || nb < kAnchorLength)
        return std::nullopt;
    const bool sampled = std::max(na, nb) - kAnchorLength + 1 > kExactLength;
    Index(b, sampled);

    std::optional<Anchor> best;
    Offset bestSum = std::numeric_limits<Offset>::max();
    Offset bestSkew = 0;
    std::uint64_t hash = Primed(a.data());
    for (Offset i = 0; i + kAnchorLength <= na && i < bestSum; ++i) {
        hash = Push(hash, a[i + kAnchorLength - 1]);
        if (sampled && !Sampled(hash))
            continue;
        const Slot* slot = Lookup(hash);
        if (slot == nullptr ||
            std::memcmp(a.data() + i, b.data() + slot->pos, kAnchorLength) != 0) {
            continue;
        }
        Offset first = i;
        Offset second = slot->pos;
        while (first > 0 && second > 0 && a[first - 1] == b[second - 1])
            --first, --second;
        const Offset sum = first + second;
        const Offset skew = first > second ? first - second : second - first;
        if (sum < bestSum || (sum == bestSum && skew < bestSkew)) {
            best = Anchor{first, second};
            bestSum = sum;
            bestSkew = skew;
        }
    }
    return best;
}

}  // namespace orvel
