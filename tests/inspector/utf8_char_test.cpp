#include "inspector/utf8_char.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using State = Utf8Char::State;

int ShortestLength(char32_t value) {
    return value < 0x80 ? 1 : value < 0x800 ? 2 : value < 0x10000 ? 3 : 4;
}

// The plain rule: the lead byte's high bits give the length, every further byte
// is 10xxxxxx, and the value is a scalar value written in its shortest form. A
// sequence cut off by the end is truncated when filling it up with the lowest
// or the highest continuation bytes gives a character.
Utf8Char Reference(const Bytes& bytes) {
    if (bytes.empty())
        return {};
    const std::uint8_t lead = bytes[0];
    const int length = lead < 0x80   ? 1
                       : lead < 0xC0 ? 0
                       : lead < 0xE0 ? 2
                       : lead < 0xF0 ? 3
                       : lead < 0xF8 ? 4
                                     : 0;
    if (length == 0)
        return {State::kInvalid, 0, 0};
    const auto decode = [&](std::uint8_t fill) {
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            const std::size_t at = static_cast<std::size_t>(i);
            value = value << 6 | ((at < bytes.size() ? bytes[at] : fill) & 0x3F);
        }
        return value;
    };
    const auto valid = [&](char32_t value) {
        return IsScalarValue(value) && ShortestLength(value) == length;
    };
    for (std::size_t i = 1; i < bytes.size() && i < static_cast<std::size_t>(length); ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return {State::kInvalid, 0, 0};
    }
    if (bytes.size() < static_cast<std::size_t>(length)) {
        const bool completes = valid(decode(0x80)) || valid(decode(0xBF));
        return {completes ? State::kTruncated : State::kInvalid, 0, 0};
    }
    const char32_t value = decode(0);
    if (!valid(value))
        return {State::kInvalid, 0, 0};
    return {State::kValid, value, length};
}

void ExpectSame(const Bytes& bytes) {
    const Utf8Char got = ReadUtf8Char(bytes);
    const Utf8Char want = Reference(bytes);
    ASSERT_EQ(got.state, want.state) << std::hex << int(bytes[0]) << ' ' << int(bytes[1]);
    ASSERT_EQ(got.codePoint, want.codePoint);
    ASSERT_EQ(got.length, want.length);
}

TEST(Utf8CharTest, AgreesWithThePlainRuleOnEveryShortSequence) {
    for (int a = 0; a < 256; ++a) {
        ExpectSame({static_cast<std::uint8_t>(a)});
        for (int b = 0; b < 256; ++b) {
            const auto lead = static_cast<std::uint8_t>(a), second = static_cast<std::uint8_t>(b);
            ExpectSame({lead, second});
            if (a < 0xE0)
                continue;
            for (const std::uint8_t third : {0x00, 0x7F, 0x80, 0x9F, 0xA0, 0xBF, 0xC0, 0xFF}) {
                ExpectSame({lead, second, third});
                if (a < 0xF0)
                    continue;
                for (const std::uint8_t fourth : {0x41, 0x80, 0x8F, 0x90, 0xBF, 0xC0})
                    ExpectSame({lead, second, third, fourth});
            }
        }
    }
}

TEST(Utf8CharTest, EveryScalarValueReadsBackFromItsBytes) {
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (!IsScalarValue(cp))
            continue;
        const std::string text = Utf8Bytes(cp);
        Bytes bytes(text.begin(), text.end());
        ASSERT_EQ(static_cast<int>(bytes.size()), ShortestLength(cp)) << static_cast<unsigned>(cp);
        bytes.push_back(0x80);  // what follows the character does not count
        const Utf8Char c = ReadUtf8Char(bytes);
        ASSERT_EQ(c.state, State::kValid) << static_cast<unsigned>(cp);
        ASSERT_EQ(c.codePoint, cp);
        ASSERT_EQ(c.length, static_cast<int>(text.size()));
        for (std::size_t cut = 1; cut < text.size(); ++cut)
            ASSERT_EQ(ReadUtf8Char({bytes.data(), cut}).state, State::kTruncated)
                << static_cast<unsigned>(cp);
    }
}

TEST(Utf8CharTest, ScalarValuesLeaveOutSurrogatesAndValuesPastTheLast) {
    EXPECT_TRUE(IsScalarValue(0));
    EXPECT_TRUE(IsScalarValue(0xD7FF));
    EXPECT_FALSE(IsScalarValue(0xD800));
    EXPECT_FALSE(IsScalarValue(0xDFFF));
    EXPECT_TRUE(IsScalarValue(0xE000));
    EXPECT_TRUE(IsScalarValue(0x10FFFF));
    EXPECT_FALSE(IsScalarValue(0x110000));
}

}  // namespace
}  // namespace orvel
