#include "editing/find_pattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvel {
namespace {

std::vector<int> Split(std::string_view text) {
    const BytePattern pattern = ParseFindPattern(text);
    return {pattern.view().begin(), pattern.view().end()};
}

TEST(ParseFindPatternTest, EveryLengthFromOneToEightDigits) {
    const struct {
        std::string_view text;
        std::vector<int> bytes;
    } rows[] = {
        {"1", {0x01}},
        {"0A", {0x0A}},
        {"ABC", {0x0A, 0xBC}},
        {"4142", {0x41, 0x42}},
        {"12345", {0x01, 0x23, 0x45}},
        {"abcdef", {0xAB, 0xCD, 0xEF}},
        {"1234567", {0x01, 0x23, 0x45, 0x67}},
        {"DEADBEEF", {0xDE, 0xAD, 0xBE, 0xEF}},
        {"  ff \t", {0xFF}},
        {"000", {0x00, 0x00}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Split(row.text), row.bytes) << row.text;
}

TEST(ParseFindPatternTest, TextsThatStandForNoBytes) {
    for (const std::string_view text : {"", "   ", "123456789", "12G4", "0x12", "1 2"}) {
        EXPECT_TRUE(ParseFindPattern(text).empty()) << text;
    }
}

}  // namespace
}  // namespace orvel
