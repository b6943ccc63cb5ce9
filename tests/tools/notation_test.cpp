#include "tools/notation.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(NotationTest, HexDigitToBitsOfEveryDigit) {
    const char* const bits[16] = {"0000 ", "0001 ", "0010 ", "0011 ", "0100 ", "0101 ",
                                  "0110 ", "0111 ", "1000 ", "1001 ", "1010 ", "1011 ",
                                  "1100 ", "1101 ", "1110 ", "1111 "};
    for (int v = 0; v < 16; ++v) {
        EXPECT_EQ(HexDigitToBits("0123456789ABCDEF"[v]), bits[v]);
        EXPECT_EQ(HexDigitToBits("0123456789abcdef"[v]), bits[v]);
    }
}

TEST(NotationTest, HexInput) {
    struct Row {
        const char* input;
        const char* dec;
        const char* bin;
    };
    const Row rows[] = {
        {"0F", "15", "0000 1111 "},
        {"f", "15", "1111 "},
        {"FFFFFFFF", "-1", "1111 1111 1111 1111 1111 1111 1111 1111 "},
        {"80000000", "-2147483648", "1000 0000 0000 0000 0000 0000 0000 0000 "},
        {"7FFFFFFF", "2147483647", "0111 1111 1111 1111 1111 1111 1111 1111 "},
        {"00000000", "0", "0000 0000 0000 0000 0000 0000 0000 0000 "},
        {"  1a\t", "26", "0001 1010 "},
        {"", "", ""},
        {"   ", "", ""},
        {"1G", "", ""},
        {"1 2", "", ""},
        {"-1", "", ""},
        {"0x1", "", ""},
        {"123456789", "", ""},  // more digits than the field holds
    };
    for (const Row& r : rows) {
        const HexInputOutputs out = ConvertHexInput(r.input);
        EXPECT_EQ(out.dec, r.dec) << '"' << r.input << '"';
        EXPECT_EQ(out.bin, r.bin) << '"' << r.input << '"';
    }
}

TEST(NotationTest, DecInput) {
    struct Row {
        const char* input;
        const char* hex;
        const char* bin;
    };
    const Row rows[] = {
        {"15", "F", "1111 "},
        {"0", "0", "0000 "},
        {"00000016", "10", "0001 0000 "},
        {"99999999", "5F5E0FF", "0101 1111 0101 1110 0000 1111 1111 "},
        {" 255 ", "FF", "1111 1111 "},
        {"", "", ""},
        {"-5", "", ""},
        {"+5", "", ""},
        {"1 5", "", ""},
        {"1a", "", ""},
        {"123456789", "", ""},
    };
    for (const Row& r : rows) {
        const DecInputOutputs out = ConvertDecInput(r.input);
        EXPECT_EQ(out.hex, r.hex) << '"' << r.input << '"';
        EXPECT_EQ(out.bin, r.bin) << '"' << r.input << '"';
    }
}

}  // namespace
}  // namespace orvel
