#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "document/end_marker.h"
#include "document/offset.h"
#include "view/dump_layout.h"

namespace orvel {

// Typing over the bytes of the dump: hexadecimal digits overwrite the nibble
// after the caret, the space bar and backspace step the caret through the byte
// columns. These are pure functions of the selection, the bytes and the layout;
// the view applies what they return. Typing never changes the number of bytes.

inline constexpr char32_t kSpaceChar = 0x20;
inline constexpr char32_t kBackspaceChar = 0x08;

// A typed digit's new byte value and the two text cells it rewrites: the digit
// that was typed over and the byte's character cell. The other digit of the
// byte keeps its character.
struct TypedByte {
    Offset offset;
    std::uint8_t value;
    Offset digitPos;
    Offset charPos;
    friend bool operator==(const TypedByte&, const TypedByte&) = default;
};

struct TypingResult {
    // False: the key is the text control's (it changes nothing there). A digit
    // typed over the low nibble of the last byte changes the byte but is not
    // handled, because the caret cannot move on.
    bool handled = false;
    // The selection afterwards; the one given when nothing moved.
    TextSelection selection;
    // Set when a digit was typed over a byte, even when its value stays the
    // same: the caller stores it with BinaryDocument::SetByte (which counts a
    // real change only) and redraws `digitPos` and `charPos`.
    std::optional<TypedByte> change;
};

// Runs the typing rules for one character code over `bytes` (whose end marker is
// `end`), shown with `layout`:
//  - '0'-'9', 'A'-'F', 'a'-'f' with a caret or one selected character on a hex
//    digit in the data: the digit is replaced (letters upper-cased) and the
//    byte gets the new value; the caret ends after the digit, and after a low
//    digit moves on as AdvanceCaret does.
//  - space: AdvanceCaret.
//  - backspace: one step left through the byte columns, to the first byte from
//    the header, to the last byte's low digit from past the data.
//  - anything else: not handled.
// Preconditions: `end` is EndMarker::ForSize(bytes.size()); the selection lies
// within the dump text.
[[nodiscard]] TypingResult TypeChar(TextSelection selection, char32_t code,
                                    std::span<const std::uint8_t> bytes, const EndMarker& end,
                                    const DumpLayout& layout);

// Moves the caret from the later end of the selection one step right through
// the byte columns: from the header to the first byte's high digit, from before
// column 9 to column 9, over the gap between bytes 7 and 8, from the end of a
// line to the next line's first byte. Past the data, or where the step would
// leave the text (beyond the last line of a file whose size is a multiple of 16,
// or into an empty file), the caret stays and the result is not handled.
// `size` is the number of bytes.
[[nodiscard]] TypingResult AdvanceCaret(TextSelection selection, Offset size, const EndMarker& end,
                                        const DumpLayout& layout);

}  // namespace orvel
