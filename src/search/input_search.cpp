#include "search/input_search.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "search/hit_iterator.h"

namespace orvel {
namespace {

// Hands the iterator's hits to the sink, each shifted by `base`; false when
// the sink ended the search. `last` receives the last hit (or stays).
bool Deliver(HitIterator hits, Offset base, const HitSink& sink, Offset& last) {
    for (Offset hit; (hit = hits.Next()) >= 0;) {
        last = base + hit;
        if (!sink(last))
            return false;
    }
    return true;
}

// Each window holds the n - 1 bytes after the previous one (positions not yet
// tried that may begin a hit) and then the new bytes.
bool Forward(InputReader& in, const Searcher& searcher, Offset from, const HitSink& sink,
             FileError& error, std::size_t window) {
    const Offset n = searcher.length();
    std::vector<std::uint8_t> buffer(window + static_cast<std::size_t>(n));
    Offset base = from;  // the offset of buffer[0]
    Offset held = 0;
    Offset next = from;  // where the next search may start
    for (;;) {
        const Offset got = in.ReadAt(base + held, buffer.data() + held, window, error);
        if (got < 0)
            return false;
        const Offset filled = held + got;
        Offset last = next - n;
        const std::span bytes(buffer.data(), static_cast<std::size_t>(filled));
        if (!Deliver(HitIterator(searcher, bytes, std::max<Offset>(next - base, 0), filled,
                                 SearchDirection::kForward),
                     base, sink, last))
            return true;
        next = std::max(next, last + n);
        if (got < static_cast<Offset>(window))
            return true;
        held = std::min(n - 1, filled);
        std::memmove(buffer.data(), buffer.data() + filled - held, static_cast<std::size_t>(held));
        base += filled - held;
    }
}

// The mirror image: windows from the end down, each followed in the buffer by
// the first n - 1 bytes of the window after it.
bool Backward(InputReader& in, const Searcher& searcher, Offset from, const HitSink& sink,
              FileError& error, std::size_t window) {
    const Offset n = searcher.length();
    std::vector<std::uint8_t> buffer(window + static_cast<std::size_t>(n));
    Offset limit = std::min(from, in.size());  // hits end at or before it
    Offset top = limit;                        // the bytes [top, ...) were read
    Offset held = 0;
    while (top > 0) {
        const Offset take = std::min<Offset>(static_cast<Offset>(window), top);
        const Offset base = top - take;
        std::memmove(buffer.data() + take, buffer.data(), static_cast<std::size_t>(held));
        const Offset got = in.ReadAt(base, buffer.data(), static_cast<std::size_t>(take), error);
        if (got < 0)
            return false;
        if (got < take) {
            error = {EIO, "The file became shorter while it was being read."};
            return false;
        }
        const Offset end = std::min(take + held, limit - base);
        Offset last = limit;
        const std::span bytes(buffer.data(), static_cast<std::size_t>(end));
        if (!Deliver(HitIterator(searcher, bytes, 0, end, SearchDirection::kBackward), base, sink,
                     last))
            return true;
        limit = std::min(limit, last);
        held = std::min(n - 1, take + held);
        top = base;
    }
    return true;
}

}  // namespace

bool SearchInput(InputReader& in, const Searcher& searcher, SearchDirection direction, Offset from,
                 const HitSink& sink, FileError& error, std::size_t window) {
    if (searcher.length() == 0)
        return true;
    return direction == SearchDirection::kForward
               ? Forward(in, searcher, from, sink, error, window)
               : Backward(in, searcher, from, sink, error, window);
}

}  // namespace orvel
