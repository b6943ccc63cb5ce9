#include "editing/number_text.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

constexpr auto kHex = NumberBase::kHex;
constexpr auto kDec = NumberBase::kDecimal;

TEST(NumberTextTest, LeadingDigitsUpToTheFirstOtherCharacter) {
    const struct {
        std::string_view text;
        NumberBase base;
        std::uint32_t value;
        std::size_t digits;
        bool fits;
    } rows[] = {
        {"", kHex, 0, 0, true},
        {"FFFFFFFF", kHex, 0xFFFFFFFF, 8, true},
        {"abc", kHex, 0xABC, 3, true},
        {"aBcD", kHex, 0xABCD, 4, true},
        {"1G", kHex, 1, 1, true},
        {"12 ", kHex, 0x12, 2, true},
        {" 12", kHex, 0, 0, true},  // blanks are the caller's to drop
        {"-1", kHex, 0, 0, true},
        {"0x1F", kHex, 0, 1, true},
        {"100000000", kHex, 0xFFFFFFFF, 9, false},
        {"00000000000000000001", kHex, 1, 20, true},  // leading zeros never overflow
        {"0099", kDec, 99, 4, true},
        {"1a", kDec, 1, 1, true},
        {"A", kDec, 0, 0, true},
        {"4294967295", kDec, 0xFFFFFFFF, 10, true},
        {"4294967296", kDec, 0xFFFFFFFF, 10, false},
        {"99999999999999999999", kDec, 0xFFFFFFFF, 20, false},
    };
    for (const auto& row : rows) {
        const LeadingNumber number = ReadLeadingNumber(row.text, row.base);
        EXPECT_EQ(number.value, row.value) << row.text;
        EXPECT_EQ(number.digits, row.digits) << row.text;
        EXPECT_EQ(number.fits, row.fits) << row.text;
    }
}

TEST(NumberTextTest, AWholeNumberHasNothingElse) {
    EXPECT_EQ(ParseNumber("ff", kHex), 0xFFu);
    EXPECT_EQ(ParseNumber("DEADBEEF", kHex), 0xDEADBEEFu);
    EXPECT_EQ(ParseNumber("99999999", kDec), 99999999u);
    EXPECT_EQ(ParseNumber("0", kDec), 0u);
    for (const std::string_view text : {"", " 1", "1 ", "1G", "0x1", "+1", "100000000"})
        EXPECT_EQ(ParseNumber(text, kHex), std::nullopt) << text;
    for (const std::string_view text : {"", "F", "1 2", "-5", "4294967296"})
        EXPECT_EQ(ParseNumber(text, kDec), std::nullopt) << text;
}

}  // namespace
}  // namespace orvel
