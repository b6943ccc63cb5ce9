#pragma once

#include <string>

namespace orvel {

// Why a file operation failed: the errno value and the system's text for it
// (or our own text where the system has none, as for a file that is too large).
struct FileError {
    int code = 0;
    std::string text;
};

// The system's text for an errno value.
[[nodiscard]] std::string SystemErrorText(int code);

// The errno value `code` with the system's text for it.
[[nodiscard]] FileError ErrorFromErrno(int code);

}  // namespace orvel
