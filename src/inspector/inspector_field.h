#pragma once

#include <array>

namespace orvel {

// The kinds of value the data inspector reads from the bytes at the caret, and
// the byte order of its numbers; shared by the inspector and its codecs.

enum class ByteOrder { kLittleEndian, kBigEndian };

// The values the data inspector shows, in the order it lists them.
enum class InspectorField {
    kInt8,
    kUInt8,
    kInt16,
    kUInt16,
    kInt32,
    kUInt32,
    kInt64,
    kUInt64,
    kFloat32,
    kFloat64,
    kBinary,      // the byte as eight binary digits
    kAscii,       // the byte as an ASCII character
    kUtf8,        // the UTF-8 character that starts at the caret (1-4 bytes)
    kUnixTime32,  // signed 32-bit seconds since 1970-01-01 00:00:00 UTC
};

inline constexpr std::array<InspectorField, 14> kInspectorFields = {
    InspectorField::kInt8,    InspectorField::kUInt8,      InspectorField::kInt16,
    InspectorField::kUInt16,  InspectorField::kInt32,      InspectorField::kUInt32,
    InspectorField::kInt64,   InspectorField::kUInt64,     InspectorField::kFloat32,
    InspectorField::kFloat64, InspectorField::kBinary,     InspectorField::kAscii,
    InspectorField::kUtf8,    InspectorField::kUnixTime32,
};

}  // namespace orvel
