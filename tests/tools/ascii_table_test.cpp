#include "tools/ascii_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace orvel {
namespace {

// The rows of a table text, without the two-space indentation and line breaks.
std::vector<std::string> Rows(const std::string& text, const std::string& tail) {
    EXPECT_EQ(text.front(), '\n');
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    std::vector<std::string> rows;
    std::istringstream in(text.substr(1, text.size() - 1 - tail.size()));
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.substr(0, 2), "  ");
        rows.push_back(line.substr(2));
    }
    return rows;
}

TEST(AsciiTableTest, ControlRange) {
    const std::string text = AsciiControlTableText();
    EXPECT_EQ(text.substr(0, 39), "\n  0000 0000     000     00     NULL\n  ");
    EXPECT_NE(text.find("0000 1000     008     08     Backspace\n  "), std::string::npos);
    const auto rows = Rows(text, "\n ");
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows[13], "0000 1101     013     0D     CR");
    EXPECT_EQ(rows[31], "0001 1111     031     1F     US");
}

TEST(AsciiTableTest, CharacterRange) {
    const std::string text = AsciiCharsTableText();
    const auto rows = Rows(text, "\n");
    ASSERT_EQ(rows.size(), 96u);
    EXPECT_EQ(rows[0], "0010 0000     032     20     space");
    EXPECT_EQ(rows[34 - 32], "0010 0010     034     22     \" ");
    EXPECT_EQ(rows[39 - 32], "0010 0111     039     27     '");
    EXPECT_EQ(rows[65 - 32], "0100 0001     065     41     A");
    EXPECT_EQ(rows[96 - 32], "0110 0000     096     60     `");
    EXPECT_EQ(rows[127 - 32], "0111 1111     127     7F     delete");
}

TEST(AsciiTableTest, Headers) {
    EXPECT_EQ(kAsciiHeadControl, "  Binary        Dec     Hex    Control");
    EXPECT_EQ(kAsciiHeadChars, "  Binary        Dec     Hex    Character");
}

}  // namespace
}  // namespace orvel
