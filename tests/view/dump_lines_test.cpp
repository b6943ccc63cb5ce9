#include "view/dump_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "view/dump_text.h"

namespace orvel {
namespace {

// The lines FormatDumpLine makes one by one, each after its line break.
std::string LineByLine(const std::vector<std::uint8_t>& bytes, Offset firstLine, int& trimmed) {
    std::string text;
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        char columns[76];
        const int count = static_cast<int>(std::min<std::size_t>(16, bytes.size() - at));
        trimmed = FormatDumpLine(bytes.data() + at, count, firstLine + at / 16, columns);
        text += '\n';
        text.append(columns, sizeof columns);
    }
    return text;
}

// Every byte value in every column, line numbers up to the seven digits' last,
// and every length of the last line.
TEST(FormatDumpLinesTest, SameTextAsLineByLine) {
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes(1 + random() % 200);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(round < 100 ? random() : 0x1E + random() % 4);
        const Offset firstLine =
            round % 3 == 0 ? 0xFFFFFFF - bytes.size() / 16 : random() % 0x1000000;
        int expectedTrimmed = 0;
        const std::string expected = LineByLine(bytes, firstLine, expectedTrimmed);
        std::string text(expected.size(), '?');
        const int trimmed = FormatDumpLines(bytes.data(), static_cast<Offset>(bytes.size()),
                                            firstLine, text.data());
        ASSERT_EQ(text, expected) << "round " << round;
        ASSERT_EQ(trimmed, expectedTrimmed) << "round " << round;
    }
}

}  // namespace
}  // namespace orvel
