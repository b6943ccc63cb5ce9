#pragma once

#include <cstddef>

#include "document/offset.h"

namespace orvel {

// Writes all `size` bytes to `fd`, going on after short writes and
// interruptions; false (errno set) on an error.
[[nodiscard]] bool WriteAll(int fd, const void* data, std::size_t size);
// The same from file offset `at` on, leaving the file position alone.
[[nodiscard]] bool WriteAllAt(int fd, const void* data, std::size_t size, Offset at);

}  // namespace orvel
