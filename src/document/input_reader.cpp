#include "document/input_reader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "document/file_access.h"
#include "document/write_all.h"

namespace orvel {
namespace {

constexpr std::size_t kSpoolBlock = std::size_t{1} << 20;

FileError LastError() {
    return ErrorFromErrno(errno);
}

std::string TemporaryFolder() {
    const char* env = std::getenv("TMPDIR");
    return env != nullptr && *env != '\0' ? env : "/tmp";
}

// A new file in the temporary folder that has no name, or whose name is gone.
UniqueFd UnnamedTemporaryFile() {
    const std::string folder = TemporaryFolder();
    UniqueFd fd(open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600));
    if (fd.valid() || (errno != EOPNOTSUPP && errno != EISDIR))
        return fd;
    std::string name = folder + "/.orvel-spool-XXXXXX";
    fd.reset(mkostemp(name.data(), O_CLOEXEC));
    if (fd.valid())
        unlink(name.c_str());
    return fd;
}

}  // namespace

Offset ReadFully(int fd, void* out, std::size_t size, Offset at) {
    auto* p = static_cast<std::uint8_t*>(out);
    std::size_t have = 0;
    while (have < size) {
        const ssize_t got = at < 0 ? read(fd, p + have, size - have)
                                   : pread(fd, p + have, size - have,
                                           static_cast<off_t>(at + static_cast<Offset>(have)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        have += static_cast<std::size_t>(got);
    }
    return static_cast<Offset>(have);
}

bool InputReader::Open(const std::string& path, FileError& error) {
    struct stat st {};
    fd_ = OpenForReading(path, FileKinds::kAlsoStreams, st, error);
    if (!fd_.valid())
        return false;
    size_ = S_ISREG(st.st_mode) && st.st_size > 0 ? st.st_size : -1;
    streamPos_ = 0;
    if (seekable())
        posix_fadvise(fd_.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return true;
}

Offset InputReader::ReadAt(Offset pos, std::uint8_t* out, std::size_t size, FileError& error) {
    if (size == 0)
        return 0;
    if (seekable() && pos >= base_) {
        const Offset got = ReadFully(fd_.get(), out, size, pos - base_);
        if (got < 0)
            error = LastError();
        return got;
    }
    if (seekable() || pos < streamPos_) {
        error = ErrorFromErrno(ESPIPE);  // before what a stream still has
        return -1;
    }
    while (streamPos_ < pos) {
        const auto skip = static_cast<std::size_t>(std::min<Offset>(pos - streamPos_, size));
        const Offset got = ReadFully(fd_.get(), out, std::max<std::size_t>(skip, 1));
        if (got <= 0) {
            if (got < 0)
                error = LastError();
            return got;
        }
        streamPos_ += got;
    }
    const Offset got = ReadFully(fd_.get(), out, size);
    if (got < 0) {
        error = LastError();
        return -1;
    }
    streamPos_ += got;
    return got;
}

void MappedBytes::Reset() {
    if (mapping_ != nullptr)
        munmap(mapping_, mappingSize_);
    mapping_ = nullptr;
    bytes_ = {};
}

bool InputReader::MapAt(Offset pos, std::size_t size, MappedBytes& out, FileError& error) const {
    out.Reset();
    if (size == 0)
        return true;
    // A mapping starts on a page: map from the page that holds `pos`.
    static const Offset page = sysconf(_SC_PAGESIZE);
    const Offset at = pos - base_;
    const Offset start = at / page * page;
    const auto length = static_cast<std::size_t>(at - start) + size;
    void* mapping = mmap(nullptr, length, PROT_READ, MAP_SHARED, fd_.get(), start);
    if (mapping == MAP_FAILED) {
        error = LastError();
        return false;
    }
    out.mapping_ = mapping;
    out.mappingSize_ = length;
    out.bytes_ = {static_cast<const std::uint8_t*>(mapping) + (at - start), size};
    return true;
}

bool InputReader::IsHole(Offset pos, std::size_t size) const {
    // The file position moves, which no read of a seekable input uses.
    const off_t data = lseek(fd_.get(), pos - base_, SEEK_DATA);
    if (data < 0)
        return errno == ENXIO;  // no data from pos to the end
    return data >= pos - base_ + static_cast<Offset>(size);
}

bool InputReader::Spool(FileError& error) {
    if (seekable())
        return true;
    // The copy's failures say where the copy was to go.
    const auto copyFailed = [&error] {
        error = {errno,
                 "Cannot keep a copy in " + TemporaryFolder() + ": " + SystemErrorText(errno)};
        return false;
    };
    UniqueFd spool = UnnamedTemporaryFile();
    if (!spool.valid())
        return copyFailed();
    std::vector<std::uint8_t> block(kSpoolBlock);
    Offset length = 0;
    for (;;) {
        const Offset got = ReadFully(fd_.get(), block.data(), block.size());
        if (got < 0) {
            error = LastError();
            return false;
        }
        if (got == 0)
            break;
        if (!WriteAll(spool.get(), block.data(), static_cast<std::size_t>(got)))
            return copyFailed();
        length += got;
    }
    fd_ = std::move(spool);
    base_ = streamPos_;
    size_ = base_ + length;
    return true;
}

}  // namespace orvel
