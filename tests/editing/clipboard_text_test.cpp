#include "editing/clipboard_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<Bytes> Pasted(std::string_view text) {
    const std::optional<ByteBuffer> bytes = HexPairsBytes(text);
    if (!bytes)
        return std::nullopt;
    return Bytes(bytes->data(), bytes->data() + bytes->size());
}

TEST(ClipboardTextTest, BlockAsUpperCasePairsSeparatedByBlanks) {
    EXPECT_EQ(HexPairsText({}), "");
    EXPECT_EQ(HexPairsText(Bytes{0x00}), "00");
    EXPECT_EQ(HexPairsText(Bytes{0x4F, 0x52, 0x56, 0x45, 0x4C}), "4F 52 56 45 4C");
    EXPECT_EQ(HexPairsText(Bytes{0xAB, 0x0F, 0xF0}), "AB 0F F0");
}

TEST(ClipboardTextTest, EveryByteValueReadsBackFromItsText) {
    Bytes all(512);
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<std::uint8_t>(i * 37);
    EXPECT_EQ(Pasted(HexPairsText(all)), all);
}

TEST(ClipboardTextTest, TextOfHexValuesGivesItsBytes) {
    const struct {
        std::string_view text;
        Bytes bytes;
    } rows[] = {
        {"4F 52 56 45 4C", {0x4F, 0x52, 0x56, 0x45, 0x4C}},
        {"4f5256", {0x4F, 0x52, 0x56}},
        {"4F\r\n52\t56\n", {0x4F, 0x52, 0x56}},
        {"  ff  ", {0xFF}},
        {"0x4F, 0x52", {0x4F, 0x52}},
        {"0X4F;0x52", {0x4F, 0x52}},
        {"0x4F52", {0x4F, 0x52}},
        {"DE:AD:BE:EF", {0xDE, 0xAD, 0xBE, 0xEF}},
        {"4f-52", {0x4F, 0x52}},
        {"00", {0x00}},
        {"0x00", {0x00}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Pasted(row.text), row.bytes) << row.text;
}

TEST(ClipboardTextTest, OtherTextIsNoBytes) {
    for (const std::string_view text :
         {"",       " ",           "\n",     ",",        "4",      "4F5",
          "4F 5",   "5 4F",        "Hello",  "4F 52 zz", "0x",     "0x ",
          "0x 4F",  "10x4F",       "0x0x4F", "x4F",      "4F x",   "4Fx",
          "4F\x80", "\xC3\xA9 4F", "4F.52",  "4F_52",    "{0x4F}", "00000000  4f 52  |OR|",
          "0xx4F"}) {
        EXPECT_EQ(Pasted(text), std::nullopt) << text;
    }
    EXPECT_EQ(Pasted(std::string_view("4F\0", 3)), std::nullopt);
}

}  // namespace
}  // namespace orvel
