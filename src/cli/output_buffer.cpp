#include "cli/output_buffer.h"

#include "cli/verbs.h"

namespace orvel::cli {
namespace {

constexpr std::size_t kFlushAt = std::size_t{1} << 20;
constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

OutputBuffer::OutputBuffer() {
    text_.reserve(kFlushAt + 64);
}

bool OutputBuffer::Append(std::string_view text) {
    text_ += text;
    return FlushWhenFull();
}

bool OutputBuffer::AppendHex(Offset value, char end) {
    char digits[24];
    char* p = digits + sizeof digits;
    *--p = end;
    do {
        *--p = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    text_.append(p, digits + sizeof digits);
    return FlushWhenFull();
}

bool OutputBuffer::AppendByte(int byte) {
    text_ += byte < 0 ? '-' : kDigits[byte >> 4];
    text_ += byte < 0 ? '-' : kDigits[byte & 0xF];
    return ok_;
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
