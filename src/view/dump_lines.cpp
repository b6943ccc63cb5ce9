#include "view/dump_lines.h"

#include <array>
#include <cstring>

#include "view/dump_layout.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ORVEL_X86 1
#endif

namespace orvel {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

// "XX" of every byte value, and its display character.
struct Tables {
    std::array<std::array<char, 2>, 256> hex{};
    std::array<char, 256> display{};
    constexpr Tables() {
        for (int v = 0; v < 256; ++v) {
            hex[v] = {kDigits[v >> 4], kDigits[v & 15]};
            display[v] = ToDisplayChar(static_cast<std::uint8_t>(v));
        }
    }
};
constexpr Tables kTables;

// A data line with no bytes: blank columns 7-75, used as the template of every line.
constexpr std::array<char, 76> BlankLine() {
    std::array<char, 76> line{};
    for (auto& c : line)
        c = ' ';
    return line;
}
constexpr std::array<char, 76> kBlankLine = BlankLine();

void FormatLinesScalar(const std::uint8_t* bytes, Offset lines, Offset firstLine, char* out) {
    for (Offset k = 0; k < lines; ++k, bytes += 16, out += kLineStride) {
        out[0] = '\n';
        FormatDumpLine(bytes, 16, firstLine + k, out + 1);
    }
}

#ifdef ORVEL_X86

// "XX" of every byte value, for the line numbers.
constexpr std::array<std::uint16_t, 256> MakeHexPairs() {
    std::array<std::uint16_t, 256> pairs{};
    for (int v = 0; v < 256; ++v) {
        pairs[v] = static_cast<std::uint16_t>(kDigits[v >> 4] | kDigits[v & 15] << 8);
    }
    return pairs;
}
constexpr std::array<std::uint16_t, 256> kHexPairs = MakeHexPairs();

// The line break and the seven digits of line number `line` (below 2^28), as
// the eight bytes they are in memory.
std::uint64_t LineHead(Offset line) {
    const auto n = static_cast<std::uint32_t>(line);
    return std::uint64_t{'\n'} | std::uint64_t{kHexPairs[n >> 24 & 0xFF]} >> 8 << 8 |
           std::uint64_t{kHexPairs[n >> 16 & 0xFF]} << 16 |
           std::uint64_t{kHexPairs[n >> 8 & 0xFF]} << 32 | std::uint64_t{kHexPairs[n & 0xFF]} << 48;
}

// Where each of the 48 columns 9 to 56 (the hex fields and the blanks between
// them) takes its character: from the digits of bytes 0-7 (0-15), of bytes
// 8-15 (16-31), or a blank (-1).
constexpr std::array<int, 48> HexFieldSources() {
    std::array<int, 48> source{};
    for (auto& s : source)
        s = -1;
    for (int k = 0; k < 16; ++k) {
        const int at = k <= 7 ? 3 * k : 3 * k + 1;
        source[at] = 2 * k;
        source[at + 1] = 2 * k + 1;
    }
    return source;
}

// The shuffle that builds 16 of those columns from one half of the digits
// (0x80 where the half gives nothing there).
__m128i HexShuffle(int chunk, int half) {
    constexpr std::array<int, 48> kSources = HexFieldSources();
    alignas(16) std::array<std::int8_t, 16> index{};
    for (int i = 0; i < 16; ++i) {
        const int s = kSources[16 * chunk + i];
        index[i] =
            static_cast<std::int8_t>(s >= 16 * half && s < 16 * half + 16 ? s - 16 * half : 0x80);
    }
    return _mm_load_si128(reinterpret_cast<const __m128i*>(index.data()));
}

__m128i HexBlanks(int chunk) {
    constexpr std::array<int, 48> kSources = HexFieldSources();
    alignas(16) std::array<char, 16> blanks{};
    for (int i = 0; i < 16; ++i)
        blanks[i] = kSources[16 * chunk + i] < 0 ? ' ' : '\0';
    return _mm_load_si128(reinterpret_cast<const __m128i*>(blanks.data()));
}

struct LineShuffles {
    __m128i first[3];
    __m128i second[3];
    __m128i blanks[3];
};

const LineShuffles& Shuffles() {
    static const LineShuffles shuffles = [] {
        LineShuffles s{};
        for (int c = 0; c < 3; ++c) {
            s.first[c] = HexShuffle(c, 0);
            s.second[c] = HexShuffle(c, 1);
            s.blanks[c] = HexBlanks(c);
        }
        return s;
    }();
    return shuffles;
}

// Each full line: its head, the hex fields from two digit shuffles, and the
// character column from a range test; seven stores, no loop over the bytes.
__attribute__((target("ssse3"))) void FormatLinesSsse3(const std::uint8_t* bytes, Offset lines,
                                                       Offset firstLine, char* out) {
    const LineShuffles& s = Shuffles();
    const __m128i digits = _mm_setr_epi8('0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B',
                                         'C', 'D', 'E', 'F');
    const __m128i nibble = _mm_set1_epi8(0x0F);
    const __m128i belowBlank = _mm_set1_epi8(0x1F);
    const __m128i delete_ = _mm_set1_epi8(0x7F);
    const __m128i dot = _mm_set1_epi8('.');
    const std::uint16_t twoBlanks = 0x2020;
    const std::uint32_t fourBlanks = 0x20202020;
    for (Offset k = 0; k < lines; ++k, bytes += 16, out += kLineStride) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
        const __m128i high = _mm_shuffle_epi8(digits, _mm_and_si128(_mm_srli_epi16(v, 4), nibble));
        const __m128i low = _mm_shuffle_epi8(digits, _mm_and_si128(v, nibble));
        const __m128i first = _mm_unpacklo_epi8(high, low);  // the digits of bytes 0-7
        const __m128i second = _mm_unpackhi_epi8(high, low);
        const std::uint64_t head = LineHead(firstLine + k);
        std::memcpy(out, &head, 8);
        std::memcpy(out + 8, &twoBlanks, 2);
        for (int c = 0; c < 3; ++c) {
            const __m128i field = _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(first, s.first[c]),
                                                            _mm_shuffle_epi8(second, s.second[c])),
                                               s.blanks[c]);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 10 + 16 * c), field);
        }
        std::memcpy(out + 58, &fourBlanks, 4);
        // 0x20-0x7E as themselves: as signed bytes, 0x80 and above are below 0x1F.
        const __m128i shown =
            _mm_and_si128(_mm_cmpgt_epi8(v, belowBlank), _mm_cmplt_epi8(v, delete_));
        const __m128i chars = _mm_or_si128(_mm_and_si128(shown, v), _mm_andnot_si128(shown, dot));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 1 + kCharColumn), chars);
    }
}

void FormatFullLines(const std::uint8_t* bytes, Offset lines, Offset firstLine, char* out) {
    static const bool ssse3 = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3");
    }();
    if (ssse3) {
        FormatLinesSsse3(bytes, lines, firstLine, out);
    } else {
        FormatLinesScalar(bytes, lines, firstLine, out);
    }
}

#else

void FormatFullLines(const std::uint8_t* bytes, Offset lines, Offset firstLine, char* out) {
    FormatLinesScalar(bytes, lines, firstLine, out);
}

#endif

}  // namespace

int FormatDumpLine(const std::uint8_t* bytes, int count, Offset lineNumber, char* out) {
    std::memcpy(out, kBlankLine.data(), kBlankLine.size());
    for (int i = 6; i >= 0; --i) {
        out[i] = kDigits[lineNumber & 15];
        lineNumber >>= 4;
    }
    int lastNonBlank = -1;
    for (int k = 0; k < count; ++k) {
        const std::uint8_t v = bytes[k];
        const int high = k <= 7 ? 9 + 3 * k : 10 + 3 * k;
        out[high] = kTables.hex[v][0];
        out[high + 1] = kTables.hex[v][1];
        out[kCharColumn + k] = kTables.display[v];
        if (v != 0x20)
            lastNonBlank = k;
    }
    if (count == 0)
        return 7;
    if (lastNonBlank >= 0)
        return kCharColumn + lastNonBlank + 1;
    return ByteInLineToCols(count - 1).low + 1;  // only blanks in the character column
}

int FormatDumpLines(const std::uint8_t* bytes, Offset count, Offset firstLine, char* out) {
    const Offset full = (count - 1) / 16;  // the last line goes the scalar way, trimmed
    FormatFullLines(bytes, full, firstLine, out);
    out += kLineStride * full;
    out[0] = '\n';
    return FormatDumpLine(bytes + 16 * full, static_cast<int>(count - 16 * full), firstLine + full,
                          out + 1);
}

}  // namespace orvel
