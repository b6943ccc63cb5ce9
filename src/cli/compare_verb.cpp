#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <span>
#include <string>

#include "cli/verbs.h"
#include "compare/compare_engine.h"
#include "document/file_io.h"

namespace orvel::cli {
namespace {

// The bytes of a file for reading: a regular file is mapped read-only, so that
// comparing costs no copy; anything else (a pipe, /proc) is read whole.
class FileBytes {
  public:
    FileBytes() = default;
    ~FileBytes() {
        if (map_ != nullptr)
            munmap(map_, mapSize_);
    }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool Open(const std::string& path, FileError& error) {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error = {errno, SystemErrorText(errno)};
            return false;
        }
        struct stat st {};
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
            st.st_size <= kMaxFileSize) {
            mapSize_ = static_cast<std::size_t>(st.st_size);
            void* map = mmap(nullptr, mapSize_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (map != MAP_FAILED)
                map_ = map;
        }
        close(fd);
        return map_ != nullptr || LoadFile(path, buffer_, error);
    }

    [[nodiscard]] std::span<const std::uint8_t> bytes() const {
        if (map_ != nullptr)
            return {static_cast<const std::uint8_t*>(map_), mapSize_};
        return buffer_.span();
    }

  private:
    void* map_ = nullptr;
    std::size_t mapSize_ = 0;
    ByteBuffer buffer_;
};

// Collects the output and writes it in large pieces.
class Output {
  public:
    Output() { text_.reserve(kFlushAt + 64); }

    void Append(const std::string& text) { text_ += text; }
    // One line "%X %02X %02X", with "--" for a side that has no byte (-1).
    void Line(Offset offset, int byte1, int byte2) {
        char line[32];
        char* end = line + sizeof line;
        char* p = end;
        *--p = '\n';
        PutByte(p, byte2);
        *--p = ' ';
        PutByte(p, byte1);
        *--p = ' ';
        do {
            *--p = kDigits[offset & 0xF];
            offset >>= 4;
        } while (offset != 0);
        text_.append(p, end);
        if (text_.size() >= kFlushAt)
            Flush();
    }
    bool Flush() {
        ok_ = ok_ && WriteOut(text_.data(), text_.size());
        text_.clear();
        return ok_;
    }

  private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    static constexpr char kDigits[] = "0123456789ABCDEF";

    static void PutByte(char*& p, int byte) {
        *--p = byte < 0 ? '-' : kDigits[byte & 0xF];
        *--p = byte < 0 ? '-' : kDigits[byte >> 4];
    }

    std::string text_;
    bool ok_ = true;
};

}  // namespace

int RunCompare(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return Fail("usage: orvel-cli compare FILE1 FILE2", 2);
    FileBytes files[2];
    for (int k = 0; k < 2; ++k) {
        FileError error;
        if (!files[k].Open(args[k], error))
            return Fail(args[k] + ": " + error.text, 2);
    }
    const auto a = files[0].bytes();
    const auto b = files[1].bytes();

    // The summary comes first, so a first pass counts and a second one lists.
    const CompareResult result = CompareBytes(a, b, nullptr, nullptr);
    Output out;
    out.Append(CompareSummaryText(result) + "\n");
    if (!result.identical()) {
        const Offset common = result.common();
        const auto firstPane = [&](const PaintRun& run) {
            for (Offset i = run.first; i <= run.last; ++i)
                out.Line(i, a[i], i < common ? b[i] : -1);
            return true;
        };
        const auto secondPane = [&](const PaintRun& run) {
            if (run.color != kSurplusColor)
                return true;
            for (Offset i = run.first; i <= run.last; ++i)
                out.Line(i, -1, b[i]);
            return true;
        };
        (void)CompareBytes(a, b, firstPane, secondPane);
    }
    if (!out.Flush())
        return Fail(std::string("write error: ") + SystemErrorText(errno), 2);
    return result.identical() ? 0 : 1;
}

}  // namespace orvel::cli
