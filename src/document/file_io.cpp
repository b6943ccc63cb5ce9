#include "document/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

#include "document/input_reader.h"
#include "document/safe_file_writer.h"

namespace orvel {
namespace {

// Pieces small enough that a stop or a progress step comes often even from a
// slow disk, large enough to cost nothing.
constexpr Offset kReadChunk = Offset{8} << 20;
constexpr Offset kWriteChunk = Offset{8} << 20;

bool GiveUp(FileError& error) {
    error = ErrorFromErrno(ECANCELED);
    return false;
}

}  // namespace

FileError FileTooLargeError() {
    return {EFBIG, "The file is larger than 0xFFFFFFFF bytes, the most that can be opened."};
}

bool LoadFile(const std::string& path, ByteBuffer& out, FileError& error, FileKinds kinds,
              FileStamp* stamp, const ProgressSink& progress) {
    out.clear();
    struct stat st {};
    const UniqueFd fd = OpenForReading(path, kinds, st, error);
    if (!fd.valid() || !LoadOpenFile(fd.get(), st, out, error, progress))
        return false;
    if (stamp != nullptr)
        *stamp = StampOf(st);
    return true;
}

bool LoadOpenFile(int fd, const struct stat& st, ByteBuffer& out, FileError& error,
                  const ProgressSink& progress) {
    out.clear();
    const auto tooLarge = [&] {
        error = FileTooLargeError();
        out.clear();
        return false;
    };
    if (st.st_size > kMaxFileSize)
        return tooLarge();
    try {
        // Regular files are read straight into a buffer of their size; other
        // files (pipes, /proc) grow it until end of file.
        out.reserve(std::max<Offset>(st.st_size, 1));
        for (;;) {
            if (out.size() == out.capacity())
                out.reserve(out.capacity() * 2);
            const Offset room = std::min(out.capacity() - out.size(), kReadChunk);
            const Offset at = out.size();
            out.resizeForOverwrite(at + room);
            const Offset got = ReadFully(fd, out.data() + at, static_cast<std::size_t>(room));
            if (got < 0) {
                error = ErrorFromErrno(errno);
                out.clear();
                return false;
            }
            out.resizeForOverwrite(at + got);
            if (got == 0)
                break;
            if (out.size() > kMaxFileSize)
                return tooLarge();
            if (progress && !progress(out.size(), st.st_size)) {
                out.clear();
                return GiveUp(error);
            }
        }
    } catch (const std::bad_alloc&) {
        error = ErrorFromErrno(ENOMEM);
        out.clear();
        return false;
    }
    return true;
}

bool SaveFile(const std::string& path, const ByteBuffer& bytes, FileError& error, FileKinds kinds,
              FileStamp* written, const ProgressSink& progress) {
    SafeFileWriter writer(path, kinds);
    if (!writer.Open(bytes.size())) {
        error = writer.error();
        return false;
    }
    if (!WriteInPieces(writer, bytes, error, progress))
        return false;  // the writer leaves the file as it was
    if (!writer.Commit()) {
        error = writer.error();
        return false;
    }
    if (written != nullptr)
        *written = writer.stamp();
    return true;
}

bool WriteInPieces(SafeFileWriter& writer, const ByteBuffer& bytes, FileError& error,
                   const ProgressSink& progress) {
    for (Offset at = 0; at < bytes.size();) {
        const Offset piece = std::min(bytes.size() - at, kWriteChunk);
        if (!writer.Write(bytes.data() + at, static_cast<std::size_t>(piece))) {
            error = writer.error();
            return false;
        }
        at += piece;
        if (progress && !progress(at, bytes.size()))
            return GiveUp(error);
    }
    return true;
}

}  // namespace orvel
