#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "document/byte_buffer.h"
#include "document/file_access.h"
#include "document/file_error.h"

namespace orvel {

// Reads a text of hexadecimal values into bytes. Two adjacent hex digits
// (0-9, A-F, a-f) make one byte, high digit first; every other byte of the
// text (blanks, line breaks, commas, the x of 0x, bytes 0x80 and above) is a
// separator. A run of digits is cut into pairs from its start, so a lone digit
// and the odd last digit of a run are dropped. The text has no lines,
// encodings or comments.
//
// The parser is fed the text in blocks of any size; a digit pair may be split
// between two blocks. The bytes are appended to `out`, which must outlive the
// parser. Not thread-safe.
class HexTextParser {
  public:
    explicit HexTextParser(ByteBuffer& out) : out_(out) {}

    // Parses the next `size` bytes of the text. Throws std::bad_alloc when
    // `out` cannot grow; what was appended before stays.
    void Feed(const std::uint8_t* data, std::size_t size);
    // True while the text read so far ends in the first digit of a pair.
    [[nodiscard]] bool HasPendingDigit() const { return pending_ >= 0; }

  private:
    void FeedScalar(const std::uint8_t* data, std::size_t size, std::uint8_t*& out);

    ByteBuffer& out_;
    int pending_ = -1;  // value of the first digit of an unfinished pair, or -1
};

// Where a file import failed.
enum class ImportStage {
    kOpen,  // the text file could not be opened
    kRead,  // reading failed, memory ran out, or the values would exceed kMaxFileSize bytes
};

struct ImportError {
    ImportStage stage = ImportStage::kOpen;
    FileError file;
};

// Reads the text file at `path` in large blocks through a HexTextParser into
// `out` (replacing its content): a regular file, or with
// FileKinds::kAlsoStreams also a pipe or a device (see OpenForReading). On
// failure `out` is left empty.
[[nodiscard]] bool ImportHexTextFile(const std::string& path, ByteBuffer& out, ImportError& error,
                                     FileKinds kinds = FileKinds::kRegularOnly);

// Takes the bytes made from the next block of text; false ends the import.
using ImportSink = std::function<bool(const std::uint8_t* bytes, std::size_t size)>;

// Reads the text at `path` (any file but a directory, see OpenForReading) in
// large blocks through a HexTextParser and hands the bytes made to `sink`
// after each block, so that memory stays small whatever the size of the text.
// The values may make at most kMaxFileSize bytes in all; the text that makes
// more is refused (after the bytes before it went to the sink). Returns false
// when the text could not be read or was refused (`error` says why) or when
// the sink returned false (the error's code then stays 0).
[[nodiscard]] bool ImportHexTextStream(const std::string& path, const ImportSink& sink,
                                       ImportError& error);

// The message shown for a failed import: "Failed to open file " or "Failed to
// read first file ", the path, "\nCause: " and the error's text.
[[nodiscard]] std::string ImportErrorMessage(const std::string& path, const ImportError& error);

}  // namespace orvel
