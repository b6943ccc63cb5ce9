#pragma once

#include <cstdint>
#include <string>

#include "document/offset.h"

struct stat;

namespace orvel {

// Which file on disk a path names, whatever the path: its device and inode.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// A file as it was when it was read or written: what tells whether another
// program has changed or replaced it since.
struct FileStamp {
    FileIdentity identity;
    Offset size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

[[nodiscard]] FileStamp StampOf(const struct stat& st);

// The stamp of the file `path` names (through symbolic links); false when the
// file cannot be looked at (it does not exist, say).
[[nodiscard]] bool StampOfPath(const std::string& path, FileStamp& stamp);

// True when both paths name one existing file (the same device and inode).
[[nodiscard]] bool IsSameFileOnDisk(const std::string& path1, const std::string& path2);

// True when a save to `target` must ask before it overwrites: `target` names
// the file that was read or last saved as `known` at `knownPath` (the same
// path, or another path to the same file), and another program has since
// changed its size or modification time or put another file in its place.
// A file that no longer exists has nothing to lose and is not asked about.
[[nodiscard]] bool IsChangedOnDisk(const std::string& target, const std::string& knownPath,
                                   const FileStamp& known);

// The question asked before such a save overwrites `path`.
[[nodiscard]] std::string OverwriteChangedFileQuestion(const std::string& path);

}  // namespace orvel
