#include "compare/anchor_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace orvel {
namespace {

// A polynomial hash of a kAnchorLength-byte window over 64-bit words, each byte
// first spread to a random word so that small byte values still mix well.
constexpr std::uint64_t kBase = 0x100000001B3ULL;

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

constexpr std::uint64_t PowerOfBase(Offset exponent) {
    std::uint64_t power = 1;
    for (Offset i = 0; i < exponent; ++i)
        power *= kBase;
    return power;
}
// The weight of the byte that leaves the window.
constexpr std::uint64_t kLeaving = PowerOfBase(kAnchorLength - 1);

class RollingHash {
  public:
    explicit RollingHash(const std::uint8_t* window) {
        for (Offset i = 0; i < kAnchorLength; ++i)
            value_ = value_ * kBase + kSpread[window[i]];
    }
    void Roll(std::uint8_t leaving, std::uint8_t entering) {
        value_ = (value_ - kSpread[leaving] * kLeaving) * kBase + kSpread[entering];
    }
    [[nodiscard]] std::uint64_t value() const { return value_; }

  private:
    std::uint64_t value_ = 0;
};

std::uint64_t Mixed(std::uint64_t hash) {
    return (hash ^ (hash >> 31)) * 0xFF51AFD7ED558CCDULL;
}

// One window in sixteen, chosen by its content.
bool Sampled(std::uint64_t hash) {
    return Mixed(hash) >> 60 == 0;
}
constexpr Offset kSampleRate = 16;

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
    RollingHash hash(b.data());
    for (Offset j = 0; j < windows && used < limit; ++j) {
        if (j > 0)
            hash.Roll(b[j - 1], b[j + kAnchorLength - 1]);
        const std::uint64_t h = hash.value();
        if (sampled && !Sampled(h))
            continue;
        std::uint64_t at = Mixed(h) & mask_;
        while (table_[at].pos >= 0 && table_[at].hash != h)
            at = (at + 1) & mask_;
        if (table_[at].pos < 0) {
            table_[at] = {h, j};
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
    RollingHash hash(a.data());
    for (Offset i = 0; i + kAnchorLength <= na && i < bestSum; ++i) {
        if (i > 0)
            hash.Roll(a[i - 1], a[i + kAnchorLength - 1]);
        if (sampled && !Sampled(hash.value()))
            continue;
        const Slot* slot = Lookup(hash.value());
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
