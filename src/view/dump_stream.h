#pragma once

#include "document/block_pipeline.h"
#include "document/file_error.h"
#include "document/input_reader.h"
#include "view/dump_text.h"

namespace orvel {

// Writes the dump text of all that `in` holds (exactly what DumpText writes
// for those bytes, in the single-file style) to `sink`, without ever holding
// the input: blocks of lines are formatted on `threads` workers and handed to
// the sink in order, on the calling thread, in pieces of about a MiB. Memory
// stays at a few MiB a thread, whatever the size of the input.
//
// An input of more than kMaxFileSize bytes (its line numbers would need an
// eighth digit) is refused with FileTooLargeError: a regular file before
// anything is written, a stream once it passes the limit. Returns false when
// reading failed or was refused (`error` says why) or when the sink returned
// false (`error` is left as it was).
[[nodiscard]] bool WriteDumpStream(InputReader& in, const DumpText::Sink& sink, FileError& error,
                                   int threads = PipelineThreads());

}  // namespace orvel
