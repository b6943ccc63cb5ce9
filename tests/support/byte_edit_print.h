#pragma once

#include <ostream>

#include "document/byte_edit.h"

namespace orvel {

// Lets a failed expectation show a notice as its fields.
inline void PrintTo(const ByteEdit& edit, std::ostream* os) {
    *os << "{kind " << static_cast<int>(edit.kind) << ", offset " << edit.offset << ", old "
        << edit.oldLength << ", new " << edit.newLength << "}";
}

}  // namespace orvel
