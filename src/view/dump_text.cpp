#include "view/dump_text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "view/dump_lines.h"

namespace orvel {
namespace {

constexpr std::string_view kSinglePrefix =
    "Address: 00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F   0123456789ABCDEF\n";
constexpr std::string_view kPanePrefix =
    "\nAddress: 00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F   0123456789ABCDEF\n"
    "                                                                             ";
// An empty pane loses its line of spaces to the trimming of trailing blanks.
constexpr std::string_view kEmptyPanePrefix = kPanePrefix.substr(0, 78);

static_assert(kSinglePrefix.size() == 77);
static_assert(kPanePrefix.size() == 155);

Offset CountLines(std::string_view prefix) {
    return static_cast<Offset>(std::count(prefix.begin(), prefix.end(), '\n')) + 1;
}

}  // namespace

DumpText::DumpText(const ByteBuffer& bytes, DumpStyle style)
    : bytes_(bytes),
      layout_(style == DumpStyle::kPane ? DumpLayout::kPaneFirstDataPos
                                        : DumpLayout::kSingleFirstDataPos),
      prefix_(style == DumpStyle::kPane ? kPanePrefix : kSinglePrefix),
      prefixLines_(CountLines(prefix_)) {}

Offset DumpText::DataLines() const {
    return bytes_.empty() ? 1 : (bytes_.size() + 15) / 16;
}

// The text before data line 0's opening line break, which depends on whether
// the array is empty (an empty pane has no line of spaces).
std::string_view DumpText::Prefix() const {
    if (bytes_.empty() && prefix_.size() == kPanePrefix.size())
        return kEmptyPanePrefix;
    return prefix_;
}

int DumpText::DataLineLength(Offset dataLine) const {
    const Offset lines = DataLines();
    if (dataLine < lines - 1)
        return 76;
    if (bytes_.empty())
        return 7;
    std::array<char, 76> buf;
    const Offset first = dataLine * 16;
    return FormatDumpLine(bytes_.data() + first, static_cast<int>(bytes_.size() - first), dataLine,
                          buf.data());
}

void DumpText::FormatDataLine(Offset dataLine, char* out) const {
    const Offset first = dataLine * 16;
    const int count = static_cast<int>(std::clamp<Offset>(bytes_.size() - first, 0, 16));
    FormatDumpLine(bytes_.data() + first, count, dataLine, out);
}

Offset DumpText::Length() const {
    const Offset lines = DataLines();
    return static_cast<Offset>(Prefix().size()) + kLineStride * (lines - 1) + 1 +
           DataLineLength(lines - 1);
}

Offset DumpText::LineCount() const {
    return prefixLines_ + DataLines();
}

Offset DumpText::LineStart(Offset textLine) const {
    const std::string_view prefix = Prefix();
    if (textLine < prefixLines_) {
        Offset start = 0;
        for (Offset t = 0; t < textLine; ++t)
            start = static_cast<Offset>(prefix.find('\n', start)) + 1;
        return start;
    }
    return static_cast<Offset>(prefix.size()) + 1 + kLineStride * (textLine - prefixLines_);
}

int DumpText::LineLength(Offset textLine) const {
    if (textLine < prefixLines_) {
        const std::string_view prefix = Prefix();
        const auto start = static_cast<std::size_t>(LineStart(textLine));
        const auto end = prefix.find('\n', start);
        return static_cast<int>((end == std::string_view::npos ? prefix.size() : end) - start);
    }
    return DataLineLength(textLine - prefixLines_);
}

Offset DumpText::LineOfPosition(Offset pos) const {
    const std::string_view prefix = Prefix();
    if (pos <= static_cast<Offset>(prefix.size())) {
        return static_cast<Offset>(std::count(prefix.begin(), prefix.begin() + pos, '\n'));
    }
    const Offset dataLine = (pos - static_cast<Offset>(prefix.size()) - 1) / kLineStride;
    return prefixLines_ + std::min(dataLine, DataLines() - 1);
}

std::string DumpText::LineText(Offset textLine) const {
    if (textLine < prefixLines_) {
        return std::string(Prefix().substr(static_cast<std::size_t>(LineStart(textLine)),
                                           static_cast<std::size_t>(LineLength(textLine))));
    }
    std::array<char, 76> buf;
    const Offset dataLine = textLine - prefixLines_;
    FormatDataLine(dataLine, buf.data());
    return std::string(buf.data(), static_cast<std::size_t>(DataLineLength(dataLine)));
}

char DumpText::CharAt(Offset pos) const {
    const Offset line = LineOfPosition(pos);
    const Offset column = pos - LineStart(line);
    if (column < 0 || column >= LineLength(line))
        return '\n';
    if (line < prefixLines_)
        return Prefix()[static_cast<std::size_t>(pos)];
    std::array<char, 76> buf;
    FormatDataLine(line - prefixLines_, buf.data());
    return buf[static_cast<std::size_t>(column)];
}

std::string DumpText::Text(Offset from, Offset to) const {
    std::string text;
    const auto block = static_cast<std::size_t>(std::clamp<Offset>(to - from, 1, 1 << 20));
    WriteRange(
        from, to,
        [&text](const char* data, std::size_t size) {
            text.append(data, size);
            return true;
        },
        block);
    return text;
}

bool DumpText::Write(const Sink& sink, std::size_t blockSize) const {
    return WriteRange(0, Length(), sink, blockSize);
}

bool DumpText::WriteRange(Offset from, Offset to, const Sink& sink, std::size_t blockSize) const {
    to = std::min(to, Length());
    if (from >= to)
        return true;
    blockSize = std::max<std::size_t>(blockSize, 4096);
    std::vector<char> block(blockSize + kLineStride);
    std::size_t used = 0;
    const auto flush = [&]() {
        const bool ok = used == 0 || sink(block.data(), used);
        used = 0;
        return ok;
    };
    const std::string_view prefix = Prefix();
    const auto prefixSize = static_cast<Offset>(prefix.size());
    Offset pos = from;
    if (pos < prefixSize) {
        const Offset end = std::min(to, prefixSize);
        std::memcpy(block.data(), prefix.data() + pos, static_cast<std::size_t>(end - pos));
        used = static_cast<std::size_t>(end - pos);
        pos = end;
    }
    const Offset lines = DataLines();
    Offset line = pos >= prefixSize ? (pos - prefixSize) / kLineStride : 0;
    while (pos < to && line < lines) {
        const Offset lineStart = prefixSize + kLineStride * line;
        char* out = block.data() + used;
        // Whole lines before the last one, as many as the range and the block hold.
        const Offset whole =
            pos != lineStart ? 0
                             : std::min({lines - 1 - line, (to - lineStart) / kLineStride,
                                         static_cast<Offset>((block.size() - used) / kLineStride)});
        if (whole > 0) {
            FormatDumpLines(bytes_.data() + 16 * line, 16 * whole, line, out);
            used += static_cast<std::size_t>(kLineStride * whole);
            line += whole;
            pos = lineStart + kLineStride * whole;
        } else {
            // One line as it stands in the text: its opening line break and its columns.
            std::array<char, kLineStride> buf;
            buf[0] = '\n';
            FormatDataLine(line, buf.data() + 1);
            const Offset lineEnd = std::min(lineStart + 1 + DataLineLength(line), to);
            std::memcpy(out, buf.data() + (pos - lineStart),
                        static_cast<std::size_t>(lineEnd - pos));
            used += static_cast<std::size_t>(lineEnd - pos);
            pos = lineStart + kLineStride;
            ++line;
        }
        if (used >= blockSize && !flush())
            return false;
    }
    return flush();
}

}  // namespace orvel
