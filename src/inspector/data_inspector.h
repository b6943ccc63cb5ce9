#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/offset.h"
#include "inspector/inspector_field.h"

namespace orvel {

// What the bytes at the caret mean as numbers, characters and a time, and the
// bytes a typed value stands for. Pure functions; any thread.

// The field's row label, "Signed 16-bit", "UTF-8", ...
[[nodiscard]] std::string_view FieldLabel(InspectorField field);

// True for the fields whose value depends on the byte order.
[[nodiscard]] bool UsesByteOrder(InspectorField field);

struct InspectedValue {
    enum class State {
        kShown,        // `text` is the value
        kUnavailable,  // the value's bytes run past the end of the file
        kNotValid,     // the bytes are no value of the kind (invalid UTF-8, not ASCII)
    };
    State state = State::kShown;
    std::string text;  // the value, or "unavailable" or the reason it is not valid
};

// The value of `field` in the bytes at the caret: `bytes` runs from the caret
// to the end of the file (only the first eight are read).
//
// Integers are decimal; floats the shortest text that reads back to the same
// bits, or "NaN", "Infinity", "-Infinity"; binary eight digits ("01001101");
// ASCII the character for 0x20-0x7E ("\\" for the backslash) and a C escape for
// the control codes ("\n", "\x1B"); UTF-8 the character and its code point
// ("é (U+00E9)"), the code point alone for a control or line-separating
// character; a Unix time as UnixTimeText gives it.
[[nodiscard]] InspectedValue InspectField(std::span<const std::uint8_t> bytes, InspectorField field,
                                          ByteOrder order);

struct FieldBytes {
    std::vector<std::uint8_t> bytes;  // in file order; empty when the text is refused
    std::string refusal;              // why the text is refused; empty when accepted

    [[nodiscard]] bool accepted() const { return refusal.empty(); }
};

// The bytes a value the user typed for `field` stands for, to be written over
// the bytes at the caret; `room` is the number of bytes from the caret to the
// end of the file. Refused with a message: a text that is no value of the
// kind, a value out of the kind's range, and a value whose bytes would run
// past the end of the file.
//
// Accepted forms, blanks around them ignored (except for ASCII and UTF-8,
// where a blank is a character):
//  - integers: decimal, or hex after "0x"; either with a sign ("-0x80");
//  - floats: decimal or scientific ("1.5", "-2e-3"), "inf", "Infinity", "nan"
//    in any case; a value that rounds to infinity or to zero is refused;
//  - binary: one to eight binary digits;
//  - ASCII: one character 0x20-0x7E, or an escape as the field shows them
//    (also "\xHH" up to 7F);
//  - UTF-8: one character, or its code point as "U+" and 1-6 hex digits;
//  - Unix time: as ParseUnixTime reads it, 1901-12-13 20:45:52 to
//    2038-01-19 03:14:07 UTC.
[[nodiscard]] FieldBytes EncodeField(std::string_view text, InspectorField field, ByteOrder order,
                                     Offset room);

}  // namespace orvel
