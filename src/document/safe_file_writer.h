#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <string>

#include "document/file_access.h"
#include "document/file_error.h"
#include "document/file_stamp.h"
#include "document/offset.h"
#include "document/unique_fd.h"

namespace orvel {

// Writes a file so that nothing the user had is lost, whatever happens:
//  - A regular file is replaced by a complete new file: the bytes go to an
//    unnamed file in the target's folder, which gets the target's owner,
//    group, permission bits and extended attributes and only then takes the
//    target's name. A failed, abandoned or killed write leaves the target as
//    it was and nothing else behind (where the file system cannot make
//    unnamed files, a hidden named one stands in until the end).
//  - A file with several hard links is written in place, and only once the
//    whole new content is safe elsewhere, so that every name sees it.
//  - In a folder the user may not write to, a file the user may write is
//    written in place directly (a failure then is reported, but may leave
//    the file part written).
//  - A symbolic link is written through, also one whose file does not exist
//    yet (that file is created).
//  - Other kinds of file are never replaced: the windows refuse them
//    (FileKinds::kRegularOnly); with FileKinds::kAlsoStreams a FIFO or a
//    character device is written to as a stream.
// Call Open, Write any number of times, then Commit; destroying the writer
// without Commit abandons the write. Not thread-safe.
class SafeFileWriter {
  public:
    explicit SafeFileWriter(std::string targetPath, FileKinds kinds = FileKinds::kRegularOnly);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // `expectedSize`, when known (not -1), lets a write in place make sure of
    // the disk space before it changes anything.
    [[nodiscard]] bool Open(Offset expectedSize = -1);
    [[nodiscard]] bool Write(const void* data, std::size_t size);
    [[nodiscard]] bool Commit();
    [[nodiscard]] const FileError& error() const { return error_; }
    // After a Commit that wrote a regular file: that file as it is now.
    [[nodiscard]] const FileStamp& stamp() const { return stamp_; }

  private:
    enum class Way {
        kReplace,  // a new file takes the target's name
        kCopyIn,   // a new unnamed file is copied into the target at the end
        kInPlace,  // the bytes go straight into the target, which is cut to size at the end
        kStream,   // the bytes go straight into a FIFO or a device
    };

    bool Fail();
    bool Fail(FileError error);
    bool FindTarget();
    // The steps of Commit; each leaves errno set when it fails.
    bool CommitReplace();
    bool CopyNewContentIn();
    bool FinishInPlace(UniqueFd& fd);

    std::string path_;
    FileKinds kinds_;
    Way way_ = Way::kReplace;
    bool exists_ = false;
    struct stat original_ {};
    std::string resolved_;  // the regular file meant, symbolic links followed
    UniqueFd folder_;       // its folder
    std::string name_;      // its name there
    UniqueFd out_;          // where the bytes go
    UniqueFd target_;       // the target open for writing (CopyIn)
    std::string tempName_;  // the name of a named temporary file until it is gone
    Offset written_ = 0;
    FileError error_;
    FileStamp stamp_;
};

// The name of a temporary file in the folder of `targetName`:
// "." + targetName + ".orvel-" + suffix, with targetName shortened (never
// within a UTF-8 character) so that the whole is at most `nameMax` bytes.
[[nodiscard]] std::string TemporaryName(const std::string& targetName, std::size_t nameMax,
                                        const std::string& suffix);

}  // namespace orvel
