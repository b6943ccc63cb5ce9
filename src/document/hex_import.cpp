#include "document/hex_import.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <bit>
#include <cerrno>
#include <functional>
#include <memory>
#include <new>

#include "document/input_reader.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvel {
namespace {

constexpr std::uint8_t kSeparator = 0xFF;
constexpr std::size_t kReadBlock = std::size_t{4} << 20;

// The value of every hex digit, kSeparator for every other byte.
constexpr std::array<std::uint8_t, 256> MakeClassTable() {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        if (c >= '0' && c <= '9') {
            table[c] = static_cast<std::uint8_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            table[c] = static_cast<std::uint8_t>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            table[c] = static_cast<std::uint8_t>(c - 'a' + 10);
        } else {
            table[c] = kSeparator;
        }
    }
    return table;
}
constexpr std::array<std::uint8_t, 256> kClass = MakeClassTable();

constexpr std::uint64_t kEvenBits = 0x5555555555555555ULL;
constexpr std::uint64_t kOddBits = ~kEvenBits;

// Bit k is set when p[k] is a hex digit, for k in 0..63.
inline std::uint64_t DigitMask64(const std::uint8_t* p) {
#if defined(__SSE2__)
    // Unsigned range tests through signed compares: x - lo lands in [0, n)
    // exactly when (x - lo) ^ 0x80 < 0x80 + n as signed bytes.
    const __m128i bias = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i zero = _mm_set1_epi8('0');
    const __m128i lowerA = _mm_set1_epi8('a');
    const __m128i caseBit = _mm_set1_epi8(0x20);
    const __m128i decLimit = _mm_set1_epi8(static_cast<char>(0x80 + 10));
    const __m128i alphaLimit = _mm_set1_epi8(static_cast<char>(0x80 + 6));
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        const __m128i dec = _mm_xor_si128(_mm_sub_epi8(c, zero), bias);
        const __m128i alpha = _mm_xor_si128(_mm_sub_epi8(_mm_or_si128(c, caseBit), lowerA), bias);
        const __m128i digit =
            _mm_or_si128(_mm_cmplt_epi8(dec, decLimit), _mm_cmplt_epi8(alpha, alphaLimit));
        mask |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(digit)))
                << (16 * k);
    }
    return mask;
#else
    std::uint64_t mask = 0;
    for (int k = 0; k < 64; ++k) {
        mask |= static_cast<std::uint64_t>(kClass[p[k]] != kSeparator) << k;
    }
    return mask;
#endif
}

ImportError MakeError(ImportStage stage, int code) {
    return {stage, ErrorFromErrno(code)};
}

FileError TooManyValuesError() {
    return {EFBIG, "The values make more than 0xFFFFFFFF bytes, the most a document can hold."};
}

}  // namespace

void HexTextParser::FeedScalar(const std::uint8_t* data, std::size_t size, std::uint8_t*& out) {
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t v = kClass[data[i]];
        if (v == kSeparator) {
            pending_ = -1;
        } else if (pending_ < 0) {
            pending_ = v;
        } else {
            *out++ = static_cast<std::uint8_t>(pending_ << 4 | v);
            pending_ = -1;
        }
    }
}

void HexTextParser::Feed(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return;
    // Every byte made needs two digits, one of which may be pending.
    const Offset start = out_.size();
    out_.resizeForOverwrite(start + static_cast<Offset>(size / 2 + 1));
    std::uint8_t* out = out_.data() + start;

    // 64 bytes at a time: a bit mask of the digits gives the first digit of
    // every pair at once. A run of digits is paired from its start, so a pair
    // opens at the digits at an even distance from the run's first digit.
    std::size_t i = 0;
    for (; size - i >= 64; i += 64) {
        const std::uint8_t* p = data + i;
        std::uint64_t digits = DigitMask64(p);
        if (pending_ >= 0) {
            if (digits & 1) {
                *out++ = static_cast<std::uint8_t>(pending_ << 4 | kClass[p[0]]);
                digits &= ~std::uint64_t{1};  // the rest of the run pairs afresh
            }
            pending_ = -1;
        }
        if (digits == 0)
            continue;
        const std::uint64_t runStarts = digits & ~(digits << 1);
        // Adding the starts of the runs that begin at an even bit carries
        // through those runs and clears them; runs that begin at an odd bit stay.
        const std::uint64_t carried = digits + (runStarts & kEvenBits);
        const std::uint64_t inOddRuns = digits & carried;
        const std::uint64_t inEvenRuns = digits & ~carried;
        const std::uint64_t heads = (inEvenRuns & kEvenBits) | (inOddRuns & kOddBits);
        std::uint64_t pairs = heads & (digits >> 1);
        if (heads >> 63)
            pending_ = kClass[p[63]];
        while (pairs != 0) {
            const int k = std::countr_zero(pairs);
            *out++ = static_cast<std::uint8_t>(kClass[p[k]] << 4 | kClass[p[k + 1]]);
            pairs &= pairs - 1;
        }
    }
    FeedScalar(data + i, size - i, out);
    out_.resizeForOverwrite(out - out_.data());
}

namespace {

// Opens the text at `path` and feeds it to a parser into `out` block by
// block; after each block `drain` (when given) takes the bytes made so far
// out of `out`. Stops at kMaxFileSize bytes made in all.
bool ParseTextFile(const std::string& path, FileKinds kinds, ByteBuffer& out,
                   const std::function<bool()>& drain, ImportError& error) {
    struct stat st {};
    const UniqueFd fd = OpenForReading(path, kinds, st, error.file);
    if (!fd.valid()) {
        error.stage = ImportStage::kOpen;
        return false;
    }
    try {
        const std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[kReadBlock]);
        if (!drain) {
            // At most one byte per two characters: room for all of them at
            // once (pages never written cost nothing), so the array never moves.
            out.reserve(out.size() + std::min<Offset>(st.st_size, 2 * kMaxFileSize + 2) / 2 + 1);
        }
        HexTextParser parser(out);
        Offset drained = 0;
        for (;;) {
            const Offset got = ReadFully(fd.get(), block.get(), kReadBlock);
            if (got < 0) {
                error = MakeError(ImportStage::kRead, errno);
                return false;
            }
            if (got == 0)
                return true;
            parser.Feed(block.get(), static_cast<std::size_t>(got));
            if (drained + out.size() > kMaxFileSize) {
                error = {ImportStage::kRead, TooManyValuesError()};
                return false;
            }
            if (drain) {
                const Offset made = out.size();
                if (!drain())
                    return false;
                drained += made;
            }
        }
    } catch (const std::bad_alloc&) {
        error = MakeError(ImportStage::kRead, ENOMEM);
        return false;
    }
}

}  // namespace

bool ImportHexTextFile(const std::string& path, ByteBuffer& out, ImportError& error,
                       FileKinds kinds) {
    out.clear();
    if (ParseTextFile(path, kinds, out, {}, error))
        return true;
    out = ByteBuffer();
    return false;
}

bool ImportHexTextStream(const std::string& path, const ImportSink& sink, ImportError& error) {
    ByteBuffer out;
    const auto drain = [&] {
        const bool taken = sink(out.data(), static_cast<std::size_t>(out.size()));
        out.clear();
        return taken;
    };
    return ParseTextFile(path, FileKinds::kAlsoStreams, out, drain, error);
}

std::string ImportErrorMessage(const std::string& path, const ImportError& error) {
    const char* what =
        error.stage == ImportStage::kOpen ? "Failed to open file " : "Failed to read first file ";
    return what + path + "\nCause: " + error.file.text;
}

}  // namespace orvel
