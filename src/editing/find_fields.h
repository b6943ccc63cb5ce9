#pragma once

#include <cstddef>

#include "editing/field_checks.h"

namespace orvel {

// The fields of the Find dialog, in the order shown: the pattern (a value
// text, blanks around it dropped) and the next search start address. Find
// Next checks the start first, then the pattern; the start is not compared
// with the file size. Mark Select checks nothing.
enum FindField : std::size_t { kFindWhat, kFindStart };
[[nodiscard]] const FieldTable& FindBytesFields();

}  // namespace orvel
