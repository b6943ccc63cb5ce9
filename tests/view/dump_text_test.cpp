#include "view/dump_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace orvel {
namespace {

const std::string kHeader(kDumpHeader);

ByteBuffer Bytes(std::initializer_list<int> values) {
    ByteBuffer buffer;
    for (int v : values) {
        const auto b = static_cast<std::uint8_t>(v);
        buffer.append(&b, 1);
    }
    return buffer;
}

ByteBuffer Sequence(Offset size) {
    ByteBuffer buffer(size);
    for (Offset i = 0; i < size; ++i)
        buffer[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return buffer;
}

std::string WholeText(const DumpText& dump, std::size_t block = 4096) {
    std::string text;
    dump.Write([&](const char* d, std::size_t n) { return text.append(d, n), true; }, block);
    return text;
}

TEST(DumpTextTest, EmptyDocument) {
    const ByteBuffer empty;
    const DumpText dump(empty);
    EXPECT_EQ(WholeText(dump), kHeader + "\n\n0000000");
    EXPECT_EQ(dump.Length(), 85);
    EXPECT_EQ(dump.LineCount(), 3);
    const DumpText pane(empty, DumpStyle::kPane);
    EXPECT_EQ(WholeText(pane), "\n" + kHeader + "\n\n0000000");
    EXPECT_EQ(WholeText(pane).find("0000000"), 79u);
}

TEST(DumpTextTest, ExactLines) {
    const ByteBuffer bytes = Bytes({0x4D, 0x5A, 0x90, 0x00, 0x20, 0x7E, 0x7F, 0x80, 0xFF, 0x41,
                                    0x1F, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35});
    const DumpText dump(bytes);
    EXPECT_EQ(WholeText(dump),
              kHeader + "\n\n" +
                  "0000000  4D 5A 90 00 20 7E 7F 80  FF 41 1F 30 31 32 33 34   MZ.. ~...A.01234\n" +
                  "0000001  35" + std::string(49, ' ') + "5");
    EXPECT_EQ(dump.LineText(3), "0000001  35" + std::string(49, ' ') + "5");
    EXPECT_EQ(dump.LineText(1), "");
    EXPECT_EQ(dump.LineText(0), kHeader);
}

TEST(DumpTextTest, TrailingBlanksAreTrimmed) {
    const ByteBuffer bytes = Bytes({0x41, 0x20, 0x20});
    EXPECT_EQ(WholeText(DumpText(bytes)),
              kHeader + "\n\n0000000  41 20 20" + std::string(43, ' ') + "A");
    const ByteBuffer blanks = Bytes({0x20, 0x20});
    EXPECT_EQ(WholeText(DumpText(blanks)), kHeader + "\n\n0000000  20 20");
}

TEST(DumpTextTest, PaneStandsOneLineAndSpacesLower) {
    const ByteBuffer bytes = Bytes({0x4D});
    const DumpText pane(bytes, DumpStyle::kPane);
    const std::string text = WholeText(pane);
    EXPECT_EQ(text, "\n" + kHeader + "\n" + std::string(77, ' ') + "\n0000000  4D" +
                        std::string(49, ' ') + "M");
    EXPECT_EQ(text.substr(165, 2), "4D");
    EXPECT_EQ(pane.layout().ByteToHexPos(0).high, 165);
}

// Every way of reading the text agrees with the streamed whole, for sizes
// around the line and block boundaries.
TEST(DumpTextTest, ModelAgreesWithStream) {
    for (Offset size : {0, 1, 15, 16, 17, 24, 25, 31, 32, 33, 200, 0x10000}) {
        for (DumpStyle style : {DumpStyle::kSingleFile, DumpStyle::kPane}) {
            const ByteBuffer bytes = Sequence(size);
            const DumpText dump(bytes, style);
            const std::string text = WholeText(dump);
            ASSERT_EQ(static_cast<Offset>(text.size()), dump.Length()) << size;
            ASSERT_EQ(WholeText(dump, 5000), text);
            ASSERT_NE(text.back(), ' ');
            ASSERT_NE(text.back(), '\n');
            std::string joined;
            for (Offset t = 0; t < dump.LineCount(); ++t) {
                ASSERT_EQ(dump.LineStart(t), static_cast<Offset>(joined.size()))
                    << size << " " << t;
                joined += dump.LineText(t);
                if (t + 1 < dump.LineCount())
                    joined += '\n';
            }
            ASSERT_EQ(joined, text);
            const Offset step = size > 1000 ? 97 : 1;
            for (Offset p = 0; p < dump.Length(); p += step) {
                ASSERT_EQ(dump.CharAt(p), text[static_cast<std::size_t>(p)]) << size << " " << p;
                const Offset line = dump.LineOfPosition(p);
                ASSERT_LE(dump.LineStart(line), p);
                ASSERT_LE(p, dump.LineStart(line) + dump.LineLength(line));
            }
            if (text.size() > 300) {
                ASSERT_EQ(dump.Text(100, 300), text.substr(100, 200));
            }
        }
    }
    const ByteBuffer big = Sequence(0x10000);
    const std::string text = WholeText(DumpText(big));
    EXPECT_EQ(text.substr(text.rfind('\n') + 1, 7), "0000FFF");
}

TEST(DumpTextTest, CellsSitWhereTheLayoutSays) {
    std::mt19937 random(7);
    ByteBuffer bytes(1000);
    for (Offset i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(random());
    for (DumpStyle style : {DumpStyle::kSingleFile, DumpStyle::kPane}) {
        const DumpText dump(bytes, style);
        const std::string text = WholeText(dump);
        const char* digits = "0123456789ABCDEF";
        for (Offset i = 0; i < bytes.size(); ++i) {
            const HexPos hex = dump.layout().ByteToHexPos(i);
            ASSERT_EQ(text[hex.high], digits[bytes[i] >> 4]);
            ASSERT_EQ(text[hex.low], digits[bytes[i] & 15]);
            const Offset c = dump.layout().HexPosToCharPos(hex.low);
            if (c < static_cast<Offset>(text.size())) {
                ASSERT_EQ(text[c], ToDisplayChar(bytes[i]));
            }
            ASSERT_EQ(dump.layout().TextPosToByte(hex.low + 1), i);
        }
    }
}

}  // namespace
}  // namespace orvel
