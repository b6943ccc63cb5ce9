#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/verbs.h"
#include "compare/compare_engine.h"
#include "document/file_io.h"

namespace orvel::cli {
namespace {

// A file read piece by piece into a small buffer: regular files with pread, so
// that two 1 GiB files cost two copies through the cache and no large mapping;
// anything else (a pipe, /proc) is read whole once.
class FileSource {
  public:
    static constexpr Offset kPiece = 16 * kCompareBlock;  // 1 MiB: runs keep their block cuts

    bool Open(const std::string& path, FileError& error) {
        struct stat st {};
        fd_ = OpenForReading(InputPath(path), FileKinds::AlsoStreams, st, error);
        if (!fd_.valid())
            return false;
        if (S_ISREG(st.st_mode)) {
            buffer_.resize(static_cast<std::size_t>(kPiece));
            return true;
        }
        const UniqueFd stream = std::move(fd_);
        return LoadOpenFile(stream.get(), st, whole_, error);
    }

    // The bytes [pos, pos + kPiece) as far as the file has them.
    bool Read(Offset pos, std::span<const std::uint8_t>& out, FileError& error) {
        if (!fd_.valid()) {
            const Offset from = std::min(pos, whole_.size());
            out = whole_.span().subspan(
                static_cast<std::size_t>(from),
                static_cast<std::size_t>(std::min(kPiece, whole_.size() - from)));
            return true;
        }
        std::size_t have = 0;
        while (have < buffer_.size()) {
            const ssize_t got = pread(fd_.get(), buffer_.data() + have, buffer_.size() - have,
                                      static_cast<off_t>(pos) + static_cast<off_t>(have));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return SetError(error);
            if (got == 0)
                break;
            have += static_cast<std::size_t>(got);
        }
        out = std::span<const std::uint8_t>(buffer_.data(), have);
        return true;
    }

  private:
    static bool SetError(FileError& error) {
        error = ErrorFromErrno(errno);
        return false;
    }

    UniqueFd fd_;
    std::vector<std::uint8_t> buffer_;
    ByteBuffer whole_;
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

// One pass over both files, piece by piece: `onPiece(pos, a, b)` compares the
// pieces at `pos` and returns what it found, which adds up to the result.
template <typename OnPiece>
bool ComparePass(FileSource (&files)[2], CompareResult& total, FileError& error, OnPiece onPiece) {
    total = {};
    for (Offset pos = 0;; pos += FileSource::kPiece) {
        std::span<const std::uint8_t> a;
        std::span<const std::uint8_t> b;
        if (!files[0].Read(pos, a, error) || !files[1].Read(pos, b, error))
            return false;
        const CompareResult piece = onPiece(pos, a, b);
        total.size1 += piece.size1;
        total.size2 += piece.size2;
        total.differences += piece.differences;
        if (piece.size1 < FileSource::kPiece && piece.size2 < FileSource::kPiece)
            return true;
    }
}

}  // namespace

int RunCompare(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "--aligned")
        return RunCompareAligned({args.begin() + 1, args.end()});
    if (args.size() != 2)
        return Fail("usage: orvel-cli compare FILE1 FILE2", 2);
    FileSource files[2];
    FileError error;
    for (int k = 0; k < 2; ++k) {
        if (!files[k].Open(args[k], error))
            return Fail(args[k] + ": " + error.text, 2);
    }
    const auto readFailed = [&] { return Fail("read error: " + error.text, 2); };

    // The summary comes first, so a first pass counts and a second one lists.
    CompareResult result;
    const auto count = [](Offset, auto a, auto b) { return CompareBytes(a, b, nullptr, nullptr); };
    if (!ComparePass(files, result, error, count))
        return readFailed();
    Output out;
    out.Append(CompareSummaryText(result) + "\n");
    if (!result.identical()) {
        CompareResult listed;
        const auto list = [&out](Offset pos, std::span<const std::uint8_t> a,
                                 std::span<const std::uint8_t> b) {
            const auto firstPane = [&](const PaintRun& run) {
                for (Offset i = run.first; i <= run.last; ++i) {
                    out.Line(pos + i, a[i], i < static_cast<Offset>(b.size()) ? b[i] : -1);
                }
                return true;
            };
            const auto secondPane = [&](const PaintRun& run) {
                if (run.color != kSurplusColor)
                    return true;
                for (Offset i = run.first; i <= run.last; ++i)
                    out.Line(pos + i, -1, b[i]);
                return true;
            };
            return CompareBytes(a, b, firstPane, secondPane);
        };
        if (!ComparePass(files, listed, error, list))
            return readFailed();
    }
    if (!out.Flush())
        return Fail(std::string("write error: ") + SystemErrorText(errno), 2);
    return result.identical() ? 0 : 1;
}

}  // namespace orvel::cli
