#include "search/find_search.h"

#include "search/search_kernels.h"

namespace orvel {

Offset FindBytes(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> pattern,
                 Offset from) {
    const auto size = static_cast<Offset>(bytes.size());
    const auto n = static_cast<Offset>(pattern.size());
    if (n == 0 || from < 0 || n > size || from > size - n)
        return kNotFound;
    const std::uint8_t* hit = FindExactForward(bytes.data() + from, bytes.data() + (size - n),
                                               pattern.data(), pattern.size());
    return hit == nullptr ? kNotFound : hit - bytes.data();
}

Offset FindNext(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> pattern,
                Offset& nextStart) {
    const Offset found = FindBytes(bytes, pattern, nextStart);
    if (found != kNotFound)
        nextStart = found + static_cast<Offset>(pattern.size());
    return found;
}

}  // namespace orvel
