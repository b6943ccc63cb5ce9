#include "editing/clipboard_text.h"

#include "document/hex_import.h"
#include "editing/validators.h"

namespace orvel {
namespace {

bool IsValueSeparator(char c) {
    switch (c) {
        case ' ':
        case '\t':
        case '\r':
        case '\n':
        case '\v':
        case '\f':
        case ',':
        case ':':
        case ';':
        case '-':
            return true;
        default:
            return false;
    }
}

}  // namespace

// True when `text` holds at least one value and nothing the import would drop
// or take as a separator beyond the ones listed in the header.
bool IsHexPairsText(std::string_view text) {
    bool anyPair = false;
    std::size_t run = 0;  // digits in the current run
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsHexDigit(c)) {
            ++run;
            continue;
        }
        // "0x" counts as a prefix when its 0 stands alone after a separator
        // (or at the start) and a digit follows its x.
        const bool prefix = (c == 'x' || c == 'X') && run == 1 && text[i - 1] == '0' &&
                            (i < 2 || IsValueSeparator(text[i - 2])) && i + 1 < text.size() &&
                            IsHexDigit(text[i + 1]);
        if (!prefix && (run % 2 != 0 || !IsValueSeparator(c)))
            return false;
        anyPair = anyPair || run >= 2;
        run = 0;
    }
    return run % 2 == 0 && (anyPair || run >= 2);
}

std::size_t HexPairsTextSize(std::size_t count) {
    return count == 0 ? 0 : 3 * count - 1;
}

void WriteHexPairsText(std::span<const std::uint8_t> bytes, std::span<char> out) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char* at = out.data();
    for (const std::uint8_t byte : bytes) {
        at[0] = kDigits[byte >> 4];
        at[1] = kDigits[byte & 15];
        if (at + 2 != out.data() + out.size())
            at[2] = ' ';
        at += 3;
    }
}

std::string HexPairsText(std::span<const std::uint8_t> bytes) {
    std::string text(HexPairsTextSize(bytes.size()), ' ');
    WriteHexPairsText(bytes, text);
    return text;
}

std::optional<ByteBuffer> HexPairsBytes(std::string_view text) {
    if (!IsHexPairsText(text))
        return std::nullopt;
    ByteBuffer bytes;
    HexTextParser parser(bytes);
    parser.Feed(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    return bytes;
}

}  // namespace orvel
