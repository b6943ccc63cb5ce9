#pragma once

#include <string>

struct stat;

namespace orvel {

// Gives the open file `fd` what the file at `originalPath` (status
// `original`) has besides its bytes: owner, group, permission bits and
// extended attributes (and with them ACLs, security labels and capabilities).
// A file system without extended attributes, and an owner, group or
// security attribute that a user without privileges may not set, are passed
// over. False (errno set) when anything else failed.
[[nodiscard]] bool CopyFileMetadata(const std::string& originalPath, const struct stat& original,
                                    int fd);

}  // namespace orvel
