#include "editing/validators.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(ValidatorsTest, HexDigitsAreExactlyTheSixteenInBothCases) {
    int accepted = 0;
    for (int c = 0; c < 256; ++c)
        accepted += IsHexDigit(static_cast<char>(c)) ? 1 : 0;
    EXPECT_EQ(accepted, 22);
    for (const char c : std::string_view("09AFaf"))
        EXPECT_TRUE(IsHexDigit(c)) << c;
    for (const char c : std::string_view("/:@G`g x"))
        EXPECT_FALSE(IsHexDigit(c)) << c;
}

TEST(ValidatorsTest, Strings) {
    EXPECT_TRUE(IsHexString(""));
    EXPECT_TRUE(IsHexString("00fFaB19"));
    EXPECT_FALSE(IsHexString("12G4"));
    EXPECT_FALSE(IsHexString(" 12"));
    EXPECT_FALSE(IsHexString("0x12"));
    EXPECT_TRUE(IsDecimalString(""));
    EXPECT_TRUE(IsDecimalString("0123456789"));
    EXPECT_FALSE(IsDecimalString("12a"));
    EXPECT_FALSE(IsDecimalString("-1"));
    EXPECT_FALSE(IsDecimalString("1 2"));
}

TEST(ValidatorsTest, FileSizeLine) {
    EXPECT_EQ(FileSizeText(6699), "File Size: 0x 1A2B Bytes (In Hex) or 6699 Bytes (In Decimal)");
    EXPECT_EQ(FileSizeText(26, SizePrefix::kUpper),
              "File Size: 0X 1A Bytes (In Hex) or 26 Bytes (In Decimal)");
    EXPECT_EQ(FileSizeText(0), "File Size: 0x 0 Bytes (In Hex) or 0 Bytes (In Decimal)");
    EXPECT_EQ(FileSizeText(kMaxFileSize),
              "File Size: 0x FFFFFFFF Bytes (In Hex) or 4294967295 Bytes (In Decimal)");
    EXPECT_EQ(FileSizeText(0x80000000),
              "File Size: 0x 80000000 Bytes (In Hex) or 2147483648 Bytes (In Decimal)");
}

}  // namespace
}  // namespace orvel
