#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "compare/aligned_edit.h"

namespace orvel::test {

using Bytes = std::vector<std::uint8_t>;

// Replays `edits` on `a`, taking the new bytes from `b`. Empty `why` when the
// edits are a sound script: in order, each starting where the files' unchanged
// bytes since the previous one end, changes covering only differing bytes.
inline Bytes Replay(const Bytes& a, const Bytes& b, const std::vector<AlignedEdit>& edits,
                    std::string& why) {
    Bytes out;
    std::size_t posA = 0;
    for (const AlignedEdit& edit : edits) {
        const auto offA = static_cast<std::size_t>(edit.offsetA);
        const auto offB = static_cast<std::size_t>(edit.offsetB);
        const auto len = static_cast<std::size_t>(edit.length);
        if (edit.length <= 0 || offA < posA || offA > a.size() || offB > b.size() ||
            offB != out.size() + (offA - posA)) {
            why = "edit out of order or step at " + std::to_string(edit.offsetA);
            return out;
        }
        out.insert(out.end(), a.begin() + static_cast<std::ptrdiff_t>(posA),
                   a.begin() + static_cast<std::ptrdiff_t>(offA));
        if ((edit.kind != AlignedEditKind::kInsert && offA + len > a.size()) ||
            (edit.kind != AlignedEditKind::kDelete && offB + len > b.size())) {
            why = "edit past the end at " + std::to_string(edit.offsetA);
            return out;
        }
        for (std::size_t i = 0; edit.kind == AlignedEditKind::kChange && i < len; ++i) {
            if (a[offA + i] == b[offB + i])
                why = "change covers an equal byte at " + std::to_string(offA + i);
        }
        if (edit.kind != AlignedEditKind::kDelete)
            out.insert(out.end(), b.begin() + static_cast<std::ptrdiff_t>(offB),
                       b.begin() + static_cast<std::ptrdiff_t>(offB + len));
        posA = static_cast<std::size_t>(edit.endA());
    }
    out.insert(out.end(), a.begin() + static_cast<std::ptrdiff_t>(posA), a.end());
    return out;
}

// Changed, deleted and inserted bytes of a script, one each.
inline Offset Cost(const std::vector<AlignedEdit>& edits) {
    Offset cost = 0;
    for (const AlignedEdit& edit : edits)
        cost += edit.length;
    return cost;
}

// The reference: the least cost of any script turning a into b, by the textbook
// dynamic programme over the cells with |i - j| <= band. Exact whenever the
// answer is at most `band`, since a cheaper path never strays further.
inline Offset EditDistance(const Bytes& a, const Bytes& b, Offset band) {
    const auto la = static_cast<Offset>(a.size());
    const auto lb = static_cast<Offset>(b.size());
    const Offset inf = std::numeric_limits<Offset>::max() / 2;
    std::vector<Offset> prev(static_cast<std::size_t>(lb + 1), inf);
    std::vector<Offset> row(prev.size(), inf);
    for (Offset j = 0; j <= std::min(lb, band); ++j)
        prev[static_cast<std::size_t>(j)] = j;
    for (Offset i = 1; i <= la; ++i) {
        std::fill(row.begin(), row.end(), inf);
        if (i <= band)
            row[0] = i;
        for (Offset j = std::max<Offset>(1, i - band); j <= std::min(lb, i + band); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const Offset same = a[static_cast<std::size_t>(i - 1)] == b[at - 1] ? 0 : 1;
            row[at] = std::min({prev[at - 1] + same, prev[at] + 1, row[at - 1] + 1});
        }
        std::swap(prev, row);
    }
    return prev[static_cast<std::size_t>(lb)];
}

inline Bytes RandomBytes(std::mt19937& rng, std::size_t size, int alphabet = 256) {
    Bytes bytes(size);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(rng() % static_cast<unsigned>(alphabet));
    return bytes;
}

// `a` with `count` random edits of 1..maxLength bytes (insert, delete, change
// or replace by a run of another length) at random places.
inline Bytes Planted(std::mt19937& rng, const Bytes& a, int count, std::size_t maxLength,
                     int alphabet = 256) {
    Bytes b = a;
    for (int k = 0; k < count; ++k) {
        const std::size_t at = b.empty() ? 0 : rng() % (b.size() + 1);
        const std::size_t cut = std::min<std::size_t>(1 + rng() % maxLength, b.size() - at);
        const std::size_t put = 1 + rng() % maxLength;
        const auto pos = b.begin() + static_cast<std::ptrdiff_t>(at);
        switch (rng() % 4) {
            case 0: {
                const Bytes run = RandomBytes(rng, put, alphabet);
                b.insert(pos, run.begin(), run.end());
                break;
            }
            case 1:
                b.erase(pos, pos + static_cast<std::ptrdiff_t>(cut));
                break;
            case 2:
                for (std::size_t i = at; i < at + cut; ++i)
                    b[i] = static_cast<std::uint8_t>(b[i] + 1 + rng() % 255);
                break;
            default: {
                const Bytes run = RandomBytes(rng, put, alphabet);
                b.erase(pos, pos + static_cast<std::ptrdiff_t>(cut));
                b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), run.begin(), run.end());
            }
        }
    }
    return b;
}

}  // namespace orvel::test
