#include <cerrno>
#include <span>
#include <string>
#include <vector>

#include "cli/output_buffer.h"
#include "cli/verbs.h"
#include "compare/compare_engine.h"
#include "compare/input_compare.h"
#include "document/block_reader.h"

namespace orvel::cli {
namespace {

// The listing held back while the summary is not known yet: larger listings
// are made again by a second pass, from the first block that did not fit.
constexpr std::size_t kHeldListing = std::size_t{8} << 20;

// Appends the lines of one block: "OFFSET BYTE1 BYTE2" for each differing
// offset and each surplus byte, "--" for the side without a byte.
void ListBlock(const ComparedBlock& block, std::string& text) {
    const auto line = [&text](Offset offset, int byte1, int byte2) {
        char digits[16];
        char* p = digits + sizeof digits;
        do {
            *--p = "0123456789ABCDEF"[offset & 0xF];
            offset >>= 4;
        } while (offset != 0);
        text.append(p, digits + sizeof digits);
        const auto hex = [&text](int byte) {
            text += ' ';
            text += byte < 0 ? '-' : "0123456789ABCDEF"[byte >> 4];
            text += byte < 0 ? '-' : "0123456789ABCDEF"[byte & 0xF];
        };
        hex(byte1);
        hex(byte2);
        text += '\n';
    };
    const std::span<const std::uint8_t> a = block.first;
    const std::span<const std::uint8_t> b = block.second;
    const auto firstPane = [&](const PaintRun& run) {
        for (Offset i = run.first; i <= run.last; ++i) {
            line(block.offset + i, a[i], i < static_cast<Offset>(b.size()) ? b[i] : -1);
        }
        return true;
    };
    const auto secondPane = [&](const PaintRun& run) {
        if (run.color != kSurplusColor)
            return true;
        for (Offset i = run.first; i <= run.last; ++i)
            line(block.offset + i, -1, b[i]);
        return true;
    };
    static_cast<void>(CompareBytes(a, b, firstPane, secondPane));
}

[[nodiscard]] bool HasLines(const ComparedBlock& block) {
    return block.differences > 0 || block.first.size() != block.second.size();
}

// The plain comparison: the summary, then one line per differing offset.
int ListDifferences(BlockReader (&files)[2]) {
    CompareResult total;
    std::string held;
    Offset resumeAt = -1;  // where the listing did not fit any more
    FileError error;
    const auto count = [&](const ComparedBlock& block) {
        total.size1 += static_cast<Offset>(block.first.size());
        total.size2 += static_cast<Offset>(block.second.size());
        total.differences += block.differences;
        if (resumeAt < 0 && HasLines(block)) {
            const std::size_t before = held.size();
            ListBlock(block, held);
            if (held.size() > kHeldListing) {
                held.resize(before);
                resumeAt = block.offset;
            }
        }
        return true;
    };
    if (!CompareInputs(files[0], files[1], 0, count, error))
        return Fail("read error: " + error.text, 2);

    OutputBuffer out;
    out.Append(CompareSummaryText(total) + "\n");
    out.Append(held);
    if (resumeAt >= 0) {
        std::string lines;
        const auto list = [&](const ComparedBlock& block) {
            if (!HasLines(block))
                return true;
            lines.clear();
            ListBlock(block, lines);
            return out.Append(lines);
        };
        if (!CompareInputs(files[0], files[1], resumeAt, list, error) && error.code != 0)
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
    if (!arguments.options.empty()) {
        return Fail(
            "unknown option " + arguments.options[0] + " (orvel-cli --help lists the options)", 2);
    }
    if (arguments.operands.size() != 2)
        return Fail("usage: orvel-cli compare FILE1 FILE2", 2);
    BlockReader files[2];
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
