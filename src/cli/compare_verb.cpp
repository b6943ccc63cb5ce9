#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <span>
#include <string>
#include <vector>

#include "cli/output_buffer.h"
#include "cli/verbs.h"
#include "compare/compare_engine.h"
#include "compare/input_compare.h"
#include "document/input_reader.h"

namespace orvel::cli {
namespace {

// The files are mapped: one that another program cuts short meanwhile ends
// the comparison when its lost pages are touched.
extern "C" void OnBusError(int) {
    static constexpr char kText[] = "orvel-cli: a file was cut short while it was compared\n";
    static_cast<void>(write(STDERR_FILENO, kText, sizeof kText - 1));
    _exit(2);
}

// The listing held back while the summary is not known yet: larger listings
// are made again by a second pass, from the first block that did not fit.
constexpr std::size_t kHeldListing = std::size_t{8} << 20;
// The most listing a worker makes for a block; the delivery lists a block
// with more itself.
constexpr std::size_t kBlockListing = std::size_t{1} << 20;

// Appends the lines of one block: "OFFSET BYTE1 BYTE2" for each differing
// offset and each surplus byte, "--" for the side without a byte. Stops when
// the text passes `most` characters (the result is then not finished).
CompareResult ListBlock(const ComparedBlock& block, std::string& text, std::size_t most) {
    const auto line = [&text](Offset offset, int byte1, int byte2) {
        AppendHex(text, offset);
        text += ' ';
        AppendByteHex(text, byte1);
        text += ' ';
        AppendByteHex(text, byte2);
        text += '\n';
    };
    const std::span<const std::uint8_t> a = block.first;
    const std::span<const std::uint8_t> b = block.second;
    const auto firstPane = [&](const PaintRun& run) {
        for (Offset i = run.first; i <= run.last; ++i) {
            line(block.offset + i, a[i], i < static_cast<Offset>(b.size()) ? b[i] : -1);
        }
        return text.size() <= most;
    };
    const auto secondPane = [&](const PaintRun& run) {
        for (Offset i = run.first; run.color == kSurplusColor && i <= run.last; ++i)
            line(block.offset + i, -1, b[i]);
        return text.size() <= most;
    };
    return CompareBytes(a, b, firstPane, secondPane);
}

[[nodiscard]] bool HasLines(const ComparedBlock& block) {
    return block.differences > 0 || block.first.size() != block.second.size();
}

// The workers compare and list each block at once; the text of a block with
// many lines stays empty, and only then is the block compared a second time.
Offset ListOnWorker(const ComparedBlock& block, std::string& text) {
    const CompareResult listed = ListBlock(block, text, kBlockListing);
    if (listed.finished)
        return listed.differences;
    text.clear();
    return CompareBytes(block.first, block.second, {}, {}).differences;
}

// The lines of a block: what its worker made, or made now.
std::string_view LinesOf(const ComparedBlock& block, std::string& text) {
    if (!block.text.empty() || !HasLines(block))
        return block.text;
    text.clear();
    static_cast<void>(ListBlock(block, text, std::string::npos));
    return text;
}

// The plain comparison: the summary, then one line per differing offset.
int ListDifferences(InputReader (&files)[2]) {
    CompareResult total;
    std::string held;
    held.reserve(kHeldListing);
    std::string lines;
    Offset resumeAt = -1;  // where the listing did not fit any more
    FileError error;
    const auto count = [&](const ComparedBlock& block) {
        total.size1 += static_cast<Offset>(block.first.size());
        total.size2 += static_cast<Offset>(block.second.size());
        total.differences += block.differences;
        if (resumeAt < 0 && HasLines(block)) {
            const std::string_view text = LinesOf(block, lines);
            if (held.size() + text.size() <= kHeldListing) {
                held += text;
            } else {
                resumeAt = block.offset;
            }
        }
        return true;
    };
    if (!CompareInputs(files[0], files[1], 0, ListOnWorker, count, error))
        return Fail("read error: " + error.text, 2);

    OutputBuffer out;
    out.Append(CompareSummaryText(total) + "\n");
    out.Append(held);
    if (resumeAt >= 0) {
        const auto list = [&](const ComparedBlock& block) {
            return out.Append(LinesOf(block, lines));
        };
        if (!CompareInputs(files[0], files[1], resumeAt, ListOnWorker, list, error) &&
            error.code != 0)
            return Fail("read error: " + error.text, 2);
    }
    if (!out.Flush())
        return Fail(std::string("write error: ") + SystemErrorText(errno), 2);
    return total.identical() ? 0 : 1;
}

}  // namespace

// Each way of comparing is a function of the two open inputs; an option that
// chooses another way names its function here.
int RunCompare(const std::vector<std::string>& args) {
    const Arguments arguments = SplitOptions(args);
    if (arguments.options == std::vector<std::string>{"--aligned"})
        return RunCompareAligned(arguments.operands);
    if (!arguments.options.empty()) {
        return Fail(
            "unknown option " + arguments.options[0] + " (orvel-cli --help lists the options)", 2);
    }
    if (arguments.operands.size() != 2)
        return Fail("usage: orvel-cli compare FILE1 FILE2", 2);
    struct sigaction busError {};
    busError.sa_handler = OnBusError;
    sigaction(SIGBUS, &busError, nullptr);
    InputReader files[2];
    for (int k = 0; k < 2; ++k) {
        // A stream is kept in a temporary file: a long listing reads it twice.
        FileError error;
        const std::string& name = arguments.operands[k];
        if (!files[k].Open(InputPath(name), error) || !files[k].Spool(error))
            return Fail(name + ": " + error.text, 2);
    }
    return ListDifferences(files);
}

}  // namespace orvel::cli
