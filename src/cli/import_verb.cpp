#include "cli/verbs.h"
#include "document/file_io.h"
#include "document/hex_import.h"

namespace orvel::cli {

int RunImport(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return Fail("usage: orvel-cli import TEXTFILE OUTFILE", 2);
    ByteBuffer bytes;
    ImportError importError;
    if (!ImportHexTextFile(InputPath(args[0]), bytes, importError, FileKinds::AlsoStreams)) {
        return Fail(args[0] + ": " + importError.file.text);
    }
    FileError error;
    if (!SaveFile(args[1], bytes, error, FileKinds::AlsoStreams))
        return Fail(args[1] + ": " + error.text);
    return 0;
}

}  // namespace orvel::cli
