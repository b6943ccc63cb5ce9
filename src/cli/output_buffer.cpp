#include "cli/output_buffer.h"

#include "cli/verbs.h"

namespace orvel::cli {
namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 20;
constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

void AppendHex(std::string& text, Offset value) {
    char digits[16];
    char* p = digits + sizeof digits;
    do {
        *--p = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    text.append(p, digits + sizeof digits);
}

void AppendByteHex(std::string& text, int byte) {
    text += byte < 0 ? '-' : kDigits[byte >> 4];
    text += byte < 0 ? '-' : kDigits[byte & 0xF];
}

OutputBuffer::OutputBuffer() {
    text_.reserve(kFlushAt + 64);
}

bool OutputBuffer::Append(std::string_view text) {
    text_ += text;
    return FlushWhenFull();
}

bool OutputBuffer::AppendHexLine(Offset value) {
    AppendHex(text_, value);
    text_ += '\n';
    return FlushWhenFull();
}

bool OutputBuffer::Flush() {
    ok_ = ok_ && WriteOut(text_.data(), text_.size());
    text_.clear();
    return ok_;
}

bool OutputBuffer::FlushWhenFull() {
    return text_.size() < kFlushAt ? ok_ : Flush();
}

}  // namespace orvel::cli
