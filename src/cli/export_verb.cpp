#include "cli/verbs.h"
#include "document/file_io.h"
#include "document/input_reader.h"
#include "document/safe_file_writer.h"
#include "view/dump_layout.h"
#include "view/dump_stream.h"

namespace orvel::cli {

int RunExport(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return Fail("usage: orvel-cli export FILE OUTFILE", 2);
    InputReader in;
    FileError error;
    if (!in.Open(InputPath(args[0]), error))
        return Fail(args[0] + ": " + error.text);
    if (args[1] == "-")
        return WriteDumpToStandardOutput(in, args[0]);
    // Refused before the target is touched, which may be a FIFO that waits for a reader.
    if (in.size() > kMaxFileSize)
        return Fail(args[0] + ": " + FileTooLargeError().text);

    SafeFileWriter writer(args[1], FileKinds::kAlsoStreams);
    // At most the header line and one full line per 16 bytes and one more.
    const Offset most = in.seekable() ? kLineStride * (2 + in.size() / 16) : -1;
    if (!writer.Open(most))
        return Fail(args[1] + ": " + writer.error().text);
    const auto sink = [&writer](const char* data, std::size_t size) {
        return writer.Write(data, size);
    };
    if (!WriteDumpStream(in, sink, error)) {
        return writer.error().code != 0 ? Fail(args[1] + ": " + writer.error().text)
                                        : Fail(args[0] + ": " + error.text);
    }
    if (!writer.Commit())
        return Fail(args[1] + ": " + writer.error().text);
    return 0;
}

}  // namespace orvel::cli
