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

constexpr Offset kReadChunk = Offset{64} << 20;

}  // namespace

FileError FileTooLargeError() {
    return {EFBIG, "The file is larger than 0xFFFFFFFF bytes, the most that can be opened."};
}

bool LoadFile(const std::string& path, ByteBuffer& out, FileError& error, FileKinds kinds,
              FileStamp* stamp) {
    out.clear();
    struct stat st {};
    const UniqueFd fd = OpenForReading(path, kinds, st, error);
    if (!fd.valid() || !LoadOpenFile(fd.get(), st, out, error))
        return false;
    if (stamp != nullptr)
        *stamp = StampOf(st);
    return true;
}

bool LoadOpenFile(int fd, const struct stat& st, ByteBuffer& out, FileError& error) {
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
        }
    } catch (const std::bad_alloc&) {
        error = ErrorFromErrno(ENOMEM);
        out.clear();
        return false;
    }
    return true;
}

bool SaveFile(const std::string& path, const ByteBuffer& bytes, FileError& error, FileKinds kinds,
              FileStamp* written) {
    SafeFileWriter writer(path, kinds);
    const bool ok = writer.Open(bytes.size()) &&
                    writer.Write(bytes.data(), static_cast<std::size_t>(bytes.size())) &&
                    writer.Commit();
    if (!ok)
        error = writer.error();
    else if (written != nullptr)
        *written = writer.stamp();
    return ok;
}

}  // namespace orvel
