#include <cerrno>

#include "cli/verbs.h"
#include "document/hex_import.h"
#include "document/safe_file_writer.h"

namespace orvel::cli {
namespace {

// Where the bytes go: standard output for "-", else a SafeFileWriter opened
// only once the text could be read, so a text that cannot be leaves OUTFILE alone.
class ImportOutput {
  public:
    explicit ImportOutput(const std::string& path)
        : toStdout_(path == "-"), writer_(path, FileKinds::kAlsoStreams) {}

    bool Write(const std::uint8_t* bytes, std::size_t size) {
        if (toStdout_) {
            if (WriteOut(reinterpret_cast<const char*>(bytes), size))
                return true;
            stdoutError_ = errno;
            return false;
        }
        return (opened_ || Open()) && writer_.Write(bytes, size);
    }

    bool Finish() { return toStdout_ || ((opened_ || Open()) && writer_.Commit()); }

    [[nodiscard]] std::string ErrorText() const {
        return toStdout_ ? "write error: " + SystemErrorText(stdoutError_) : writer_.error().text;
    }

  private:
    bool Open() {
        opened_ = true;
        return writer_.Open();
    }

    bool toStdout_;
    SafeFileWriter writer_;
    bool opened_ = false;
    int stdoutError_ = 0;
};

}  // namespace

int RunImport(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return Fail("usage: orvel-cli import TEXTFILE OUTFILE", 2);
    ImportOutput output(args[1]);
    bool writeFailed = false;
    const auto sink = [&](const std::uint8_t* bytes, std::size_t size) {
        writeFailed = !output.Write(bytes, size);
        return !writeFailed;
    };
    ImportError error;
    const bool ok = ImportHexTextStream(InputPath(args[0]), sink, error);
    if (writeFailed || (ok && !output.Finish())) {
        const std::string text = output.ErrorText();
        return Fail(args[1] == "-" ? text : args[1] + ": " + text);
    }
    return ok ? 0 : Fail(args[0] + ": " + error.file.text);
}

}  // namespace orvel::cli
