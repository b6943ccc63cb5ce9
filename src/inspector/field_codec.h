#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "inspector/inspector_field.h"

namespace orvel {

// The byte and text forms the data inspector reads and writes alike.

// The bytes a field takes: 1, 2, 4 or 8; 0 for UTF-8, whose length depends on
// the character.
[[nodiscard]] std::size_t FixedSize(InspectorField field);

// The bytes (at most eight) as one number in the given order.
[[nodiscard]] std::uint64_t ReadBits(std::span<const std::uint8_t> bytes, ByteOrder order);
// The low `size` bytes of `bits` (size at most eight) in file order.
[[nodiscard]] std::vector<std::uint8_t> WriteBits(std::uint64_t bits, std::size_t size,
                                                  ByteOrder order);

// The shortest decimal or scientific text that reads back to the same finite value.
[[nodiscard]] std::string ShortestText(float value);
[[nodiscard]] std::string ShortestText(double value);

// The ASCII field's text of `byte` (below 0x80) and the byte such a text or
// "\xHH" stands for.
[[nodiscard]] std::string AsciiText(std::uint8_t byte);
[[nodiscard]] std::optional<std::uint8_t> AsciiByte(std::string_view text);

// "U+00E9", "U+1F600": at least four upper-case hex digits.
[[nodiscard]] std::string CodePointText(char32_t codePoint);

}  // namespace orvel
