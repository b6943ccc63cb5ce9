#include "document/file_error.h"

#include <cstring>

namespace orvel {

std::string SystemErrorText(int code) {
    return std::strerror(code);
}

FileError ErrorFromErrno(int code) {
    return {code, SystemErrorText(code)};
}

}  // namespace orvel
