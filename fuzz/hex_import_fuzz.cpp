// Feeds the text to the hex import parser in blocks whose sizes come from the
// input, and checks the bytes against the plain byte-at-a-time rule.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "document/hex_import.h"
#include "editing/validators.h"

namespace {

int DigitValue(std::uint8_t c) {
    return orvel::HexDigitValue(static_cast<char>(c));
}

std::vector<std::uint8_t> Reference(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> out;
    int pending = -1;
    for (std::size_t i = 0; i < size; ++i) {
        const int v = DigitValue(data[i]);
        if (v < 0) {
            pending = -1;
        } else if (pending < 0) {
            pending = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(pending * 16 + v));
            pending = -1;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // The first two bytes seed the block sizes; the rest is the text.
    unsigned seed = data[0] | static_cast<unsigned>(data[1]) << 8;
    const std::uint8_t* text = data + 2;
    const std::size_t length = size - 2;

    orvel::ByteBuffer out;
    orvel::HexTextParser parser(out);
    for (std::size_t at = 0; at < length;) {
        seed = seed * 1103515245u + 12345u;
        const std::size_t block = seed >> 16 & 1 ? (seed >> 17) % 200 : (seed >> 17) % 5;
        const std::size_t n = block < length - at ? block : length - at;
        parser.Feed(text + at, n);
        at += n;
    }
    const std::vector<std::uint8_t> expected = Reference(text, length);
    if (out.size() != static_cast<orvel::Offset>(expected.size()) ||
        (!expected.empty() && std::memcmp(out.data(), expected.data(), expected.size()) != 0)) {
        std::abort();
    }
    if (parser.HasPendingDigit() != (length > 0 && DigitValue(text[length - 1]) >= 0 && [&] {
            std::size_t run = 0;
            while (run < length && DigitValue(text[length - 1 - run]) >= 0)
                ++run;
            return run % 2 == 1;
        }())) {
        std::abort();
    }
    return 0;
}
