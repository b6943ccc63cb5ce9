#include <cerrno>

#include "cli/verbs.h"
#include "document/input_reader.h"
#include "view/dump_stream.h"

namespace orvel::cli {

int WriteDumpToStandardOutput(InputReader& in, const std::string& name) {
    int writeError = 0;
    FileError error;
    const bool ok = WriteDumpStream(
        in,
        [&writeError](const char* data, std::size_t size) {
            if (WriteOut(data, size))
                return true;
            writeError = errno;
            return false;
        },
        error);
    if (writeError != 0)
        return Fail("write error: " + SystemErrorText(writeError));
    return ok ? 0 : Fail(name + ": " + error.text);
}

int RunDump(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return Fail("usage: orvel-cli dump FILE", 2);
    InputReader in;
    FileError error;
    if (!in.Open(InputPath(args[0]), error))
        return Fail(args[0] + ": " + error.text);
    return WriteDumpToStandardOutput(in, args[0]);
}

}  // namespace orvel::cli
