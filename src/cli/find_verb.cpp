#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/verbs.h"
#include "document/file_io.h"
#include "editing/find_pattern.h"
#include "editing/find_search.h"
#include "editing/number_text.h"

namespace orvel::cli {
namespace {

// The file is searched in windows of this size, read one after another, so
// each window is searched while it is still in the cache.
constexpr std::size_t kWindow = std::size_t{1} << 20;

class OffsetWriter {
  public:
    bool Put(Offset offset) {
        if (used_ + 20 > sizeof(buffer_) && !Flush())
            return false;
        used_ += static_cast<std::size_t>(
            std::snprintf(buffer_ + used_, 20, "%llX\n", static_cast<unsigned long long>(offset)));
        return true;
    }
    bool Flush() {
        const bool ok = WriteOut(buffer_, used_);
        used_ = 0;
        return ok;
    }

  private:
    char buffer_[1 << 16];
    std::size_t used_ = 0;
};

// Moves the read position to `start`. A pipe cannot seek, so its first bytes
// are read into `buffer` and dropped; a stream shorter than that is used up.
bool SkipTo(int fd, Offset start, std::uint8_t* buffer, std::size_t size) {
    if (start == 0 || lseek(fd, start, SEEK_SET) >= 0)
        return true;
    if (errno != ESPIPE)
        return false;
    while (start > 0) {
        const ssize_t got =
            read(fd, buffer, static_cast<std::size_t>(std::min<Offset>(start, size)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        start -= got;
    }
    return true;
}

}  // namespace

int RunFind(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 3)
        return Fail("usage: orvel-cli find FILE HEX [START]", 2);
    const BytePattern pattern = ParseFindPattern(args[1]);
    if (pattern.empty())
        return Fail("HEX must be 1 to 8 hexadecimal digits", 2);
    const std::optional<std::uint32_t> startArg =
        args.size() == 3 ? ParseNumber(args[2], NumberBase::kHex) : 0;
    if (!startArg || (args.size() == 3 && args[2].size() > kMaxValueDigits))
        return Fail("START must be 1 to 8 hexadecimal digits", 2);
    const Offset start = *startArg;

    struct stat st {};
    FileError openError;
    const UniqueFd file = OpenForReading(InputPath(args[0]), FileKinds::AlsoStreams, st, openError);
    if (!file.valid())
        return Fail(args[0] + ": " + openError.text);
    const int fd = file.get();
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    const auto n = static_cast<Offset>(pattern.size);
    // The window holds the last n - 1 bytes of the previous read (not yet tried
    // as positions) followed by the new bytes; `base` is the file offset of its
    // first byte.
    std::unique_ptr<std::uint8_t[]> window(new std::uint8_t[kWindow + 4]);
    Offset base = start;
    Offset held = 0;
    Offset next = start;
    OffsetWriter out;
    if (!SkipTo(fd, start, window.get(), kWindow))
        return Fail(args[0] + ": " + SystemErrorText(errno));
    for (;;) {
        const ssize_t got = read(fd, window.get() + held, kWindow);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Fail(args[0] + ": " + SystemErrorText(errno));
        }
        if (got == 0)
            break;
        const Offset filled = held + got;
        const std::span<const std::uint8_t> bytes(window.get(), static_cast<std::size_t>(filled));
        // Positions before `base` were all tried in the previous window.
        Offset local = std::max<Offset>(next - base, 0);
        while (FindNext(bytes, pattern.view(), local) != kNotFound) {
            if (!out.Put(base + local - n))
                return Fail(std::string("write error: ") + SystemErrorText(errno));
        }
        next = base + local;
        // Keep the bytes that may still begin an occurrence.
        held = std::min(n - 1, filled);
        std::memmove(window.get(), window.get() + filled - held, static_cast<std::size_t>(held));
        base += filled - held;
    }
    if (!out.Flush())
        return Fail(std::string("write error: ") + SystemErrorText(errno));
    return 0;
}

}  // namespace orvel::cli
