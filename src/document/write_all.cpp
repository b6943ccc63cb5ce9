#include "document/write_all.h"

#include <unistd.h>

#include <cerrno>

namespace orvel {
namespace {

// `put(p, n, done)` writes up to n bytes from p, `done` bytes having gone before.
template <typename Put>
bool PutAll(const void* data, std::size_t size, Put put) {
    const auto* p = static_cast<const char*>(data);
    Offset done = 0;
    while (size > 0) {
        const ssize_t n = put(p, size, done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        done += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool WriteAll(int fd, const void* data, std::size_t size) {
    return PutAll(data, size,
                  [fd](const char* p, std::size_t n, Offset) { return write(fd, p, n); });
}

bool WriteAllAt(int fd, const void* data, std::size_t size, Offset at) {
    return PutAll(data, size, [fd, at](const char* p, std::size_t n, Offset done) {
        return pwrite(fd, p, n, at + done);
    });
}

}  // namespace orvel
