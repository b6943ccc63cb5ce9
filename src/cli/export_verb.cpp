#include "cli/verbs.h"
#include "document/file_io.h"
#include "view/dump_export.h"
#include "view/dump_text.h"

namespace orvel::cli {

int RunExport(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return Fail("usage: orvel-cli export FILE OUTFILE", 2);
    ByteBuffer bytes;
    FileError error;
    if (!LoadFile(InputPath(args[0]), bytes, error, FileKinds::AlsoStreams))
        return Fail(args[0] + ": " + error.text);
    if (!WriteDumpTextFile(DumpText(bytes), args[1], error, {}, FileKinds::AlsoStreams))
        return Fail(args[1] + ": " + error.text);
    return 0;
}

}  // namespace orvel::cli
