#include <cerrno>

#include "cli/verbs.h"
#include "document/file_io.h"
#include "view/dump_text.h"

namespace orvel::cli {

int RunDump(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return Fail("usage: orvel-cli dump FILE", 2);
    ByteBuffer bytes;
    FileError error;
    if (!LoadFile(InputPath(args[0]), bytes, error, FileKinds::AlsoStreams))
        return Fail(args[0] + ": " + error.text);
    const bool ok = DumpText(bytes).Write(
        [](const char* data, std::size_t size) { return WriteOut(data, size); }, 1 << 22);
    if (!ok)
        return Fail(std::string("write error: ") + SystemErrorText(errno));
    return 0;
}

}  // namespace orvel::cli
