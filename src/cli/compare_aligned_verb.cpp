// orvel-cli compare --aligned: the differences of two files as edits, allowing
// inserted and deleted bytes.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/verbs.h"
#include "compare/byte_aligner.h"
#include "compare/edit_joiner.h"
#include "compare/file_block_reader.h"
#include "document/file_io.h"

namespace orvel::cli {
namespace {

// A file argument as a reader: a regular file is read block by block, anything
// else (a pipe, a device) whole first, as the plain compare does.
class Input {
  public:
    bool Open(const std::string& arg, FileError& error) {
        struct stat st {};
        UniqueFd fd = OpenForReading(InputPath(arg), FileKinds::kAlsoStreams, st, error);
        if (!fd.valid())
            return false;
        if (S_ISREG(st.st_mode)) {
            reader_ = std::make_unique<FileBlockReader>(std::move(fd), st.st_size);
            return true;
        }
        if (!LoadOpenFile(fd.get(), st, whole_, error))
            return false;
        reader_ = std::make_unique<MemoryBlockReader>(whole_.span());
        return true;
    }
    [[nodiscard]] BlockReader& reader() { return *reader_; }

  private:
    ByteBuffer whole_;
    std::unique_ptr<BlockReader> reader_;
};

// "change OFFA OFFB LEN" lines, written out in large pieces.
class EditPrinter {
  public:
    bool Print(const AlignedEdit& edit) {
        text_ += AlignedEditKindName(edit.kind);
        for (const Offset value : {edit.offsetA, edit.offsetB, edit.length}) {
            text_ += ' ';
            AppendHex(value);
        }
        text_ += '\n';
        return text_.size() < kFlushAt || Flush();
    }
    bool Flush() {
        ok_ = ok_ && WriteOut(text_.data(), text_.size());
        text_.clear();
        return ok_;
    }

  private:
    static constexpr std::size_t kFlushAt = 1 << 20;

    void AppendHex(Offset value) {
        char digits[16];
        int n = 0;
        do {
            digits[n++] = "0123456789ABCDEF"[value & 0xF];
            value >>= 4;
        } while (value != 0);
        while (n > 0)
            text_ += digits[--n];
    }

    std::string text_;
    bool ok_ = true;
};

}  // namespace

int RunCompareAligned(const std::vector<std::string>& args) {
    if (args.size() != 2)
        return Fail("usage: orvel-cli compare --aligned FILE1 FILE2", 2);
    Input inputs[2];
    FileError error;
    for (int k = 0; k < 2; ++k) {
        if (!inputs[k].Open(args[k], error))
            return Fail(args[k] + ": " + error.text, 2);
    }
    EditPrinter printer;
    const EditSink print = [&printer](const AlignedEdit& edit) { return printer.Print(edit); };
    EditJoiner joiner(print);
    const AlignOptions options;
    const AlignResult result = AlignBlocks(
        inputs[0].reader(), inputs[1].reader(),
        [&joiner](const AlignedEdit& edit) { return joiner.Add(edit); }, options);
    if (result.outcome == AlignOutcome::kReadFailed) {
        const int side = result.failedFile == ComparedFile::kFirst ? 0 : 1;
        return Fail(args[side] + ": " + inputs[side].reader().error().text, 2);
    }
    if (result.outcome != AlignOutcome::kFinished || !joiner.Flush() || !printer.Flush())
        return Fail(std::string("write error: ") + SystemErrorText(errno), 2);
    const std::string note = UnalignedNoteText(result, options);
    if (!note.empty())
        std::fprintf(stderr, "orvel-cli: %s\n", note.c_str());
    return result.identical() ? 0 : 1;
}

}  // namespace orvel::cli
