#include "document/hex_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/special_files.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The import read one byte at a time, as the plain rule states it.
Bytes ReferenceImport(const std::string& text) {
    Bytes out;
    int pending = -1;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        if (v < 0) {
            pending = -1;
        } else if (pending < 0) {
            pending = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(pending * 16 + v));
            pending = -1;
        }
    }
    return out;
}

// Parses `text` fed in blocks cut at the given points (ascending).
Bytes ParseInBlocks(const std::string& text, const std::vector<std::size_t>& cuts = {}) {
    ByteBuffer out;
    HexTextParser parser(out);
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    std::size_t from = 0;
    for (const std::size_t cut : cuts) {
        parser.Feed(data + from, cut - from);
        from = cut;
    }
    parser.Feed(data + from, text.size() - from);
    return Bytes(out.data(), out.data() + out.size());
}

struct Case {
    std::string text;
    Bytes bytes;
};

TEST(HexImportTest, TextFormats) {
    const Case cases[] = {
        {"4D 5A 90 00", {0x4D, 0x5A, 0x90, 0x00}},
        {"4D5A9000", {0x4D, 0x5A, 0x90, 0x00}},
        {"0x4D, 0x5A", {0x4D, 0x5A}},
        {"ABC DEF", {0xAB, 0xDE}},
        {"1 2 3", {}},
        {"4D5", {0x4D}},
        {"ff and FF", {0xFF, 0xFF}},
        {"", {}},
        {"12345", {0x12, 0x34}},
        {"fFfF\tA0\r\n0a", {0xFF, 0xFF, 0xA0, 0x0A}},
        {"4g5 4G 45", {0x45}},
        {"\x80"
         "12\xff"
         "3\xc1"
         "45\xe6"
         "6",
         {0x12, 0x45}},  // high bytes separate
        {"9\xb0"
         "0",
         {}},
        {std::string("A\0B", 3), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseInBlocks(c.text), c.bytes) << c.text;
    }
}

TEST(HexImportTest, EverySplitPointGivesTheSameBytes) {
    // Long enough to cross the 64-byte fast path with runs of every parity,
    // including runs that end on and straddle the 64-byte boundaries.
    std::string text;
    for (int run = 1; text.size() < 300; ++run) {
        for (int k = 0; k < run % 7 + 1; ++k)
            text += "0123456789abcdefABCDEF"[(run * 5 + k) % 22];
        text += run % 3 == 0 ? "\n" : " ";
    }
    const Bytes expected = ReferenceImport(text);
    ASSERT_EQ(ParseInBlocks(text), expected);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        ASSERT_EQ(ParseInBlocks(text, {cut}), expected) << "cut at " << cut;
    }
    for (std::size_t cut = 0; cut + 1 <= text.size(); ++cut) {
        ASSERT_EQ(ParseInBlocks(text, {cut, cut + 1}), expected) << "one-byte block at " << cut;
    }
}

TEST(HexImportTest, MatchesTheByteAtATimeRuleOnRandomText) {
    std::mt19937 rng(20240611);
    const std::string alphabet = "0123456789abcdefABCDEFxg ,\n\x80\xff";
    for (int round = 0; round < 300; ++round) {
        std::string text(rng() % 700, ' ');
        // Mostly digits in some rounds, mostly separators in others.
        const unsigned digitShare = rng() % 100;
        for (char& c : text) {
            c = rng() % 100 < digitShare ? alphabet[rng() % 22] : alphabet[22 + rng() % 7];
        }
        std::vector<std::size_t> cuts;
        for (std::size_t at = rng() % 90; at < text.size(); at += 1 + rng() % 150) {
            cuts.push_back(at);
        }
        ASSERT_EQ(ParseInBlocks(text, cuts), ReferenceImport(text)) << "round " << round;
    }
}

TEST(HexImportTest, AppendsAfterWhatTheBufferHolds) {
    ByteBuffer out;
    const std::uint8_t old[] = {1, 2};
    out.append(old, 2);
    HexTextParser parser(out);
    const std::string text = "7f 8";
    parser.Feed(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    EXPECT_TRUE(parser.HasPendingDigit());
    ASSERT_EQ(out.size(), 3);
    EXPECT_EQ(out[2], 0x7F);
}

// Pairs and runs of digits cut by the 4 MiB read blocks, in a file and in a
// pipe, read whole and streamed block by block.
TEST(HexImportTest, ImportsATextLargerThanOneReadBlockWholeAndStreamed) {
    test::TempDir dir;
    std::string text;
    std::mt19937 rng(7);
    while (text.size() < (std::size_t{9} << 20)) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned>(rng() & 0xFF));
        text += pair;
        text += rng() % 16 == 0 ? '\n' : rng() % 64 == 0 ? '7' : ' ';
    }
    text += "a";  // an odd digit at the very end is dropped
    test::WriteFileText(dir.File("in.txt"), text);
    const Bytes expected = ReferenceImport(text);
    ByteBuffer out;
    ImportError error;
    ASSERT_TRUE(ImportHexTextFile(dir.File("in.txt"), out, error)) << error.file.text;
    ASSERT_EQ(Bytes(out.data(), out.data() + out.size()), expected);

    const test::PipeFeeder pipe(Bytes(text.begin(), text.end()));
    for (const std::string& path : {dir.File("in.txt"), pipe.path()}) {
        Bytes streamed;
        int blocks = 0;
        const auto sink = [&](const std::uint8_t* bytes, std::size_t size) {
            streamed.insert(streamed.end(), bytes, bytes + size);
            return ++blocks > 0;
        };
        ASSERT_TRUE(ImportHexTextStream(path, sink, error)) << error.file.text;
        EXPECT_EQ(streamed, expected) << path;
        EXPECT_EQ(blocks, 3) << path;
    }
    int calls = 0;
    EXPECT_FALSE(ImportHexTextStream(
        dir.File("in.txt"), [&calls](const std::uint8_t*, std::size_t) { return ++calls > 1; },
        error));
    EXPECT_EQ(calls, 1);
}

TEST(HexImportTest, EmptyFileGivesNoBytes) {
    test::TempDir dir;
    test::WriteFileText(dir.File("empty.txt"), "");
    ByteBuffer out(5);
    ImportError error;
    ASSERT_TRUE(ImportHexTextFile(dir.File("empty.txt"), out, error));
    EXPECT_TRUE(out.empty());
}

TEST(HexImportTest, FailuresNameTheStageAndTheCause) {
    test::TempDir dir;
    ByteBuffer out(3);
    ImportError error;
    const std::string missing = dir.File("missing.txt");
    ASSERT_FALSE(ImportHexTextFile(missing, out, error));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(error.stage, ImportStage::kOpen);
    EXPECT_EQ(error.file.code, ENOENT);
    EXPECT_EQ(ImportErrorMessage(missing, error),
              "Failed to open file " + missing + "\nCause: " + SystemErrorText(ENOENT));

    ASSERT_FALSE(ImportHexTextFile(dir.path().string(), out, error));
    EXPECT_EQ(error.stage, ImportStage::kOpen);
    EXPECT_EQ(error.file.code, EISDIR);

    if (geteuid() != 0) {
        test::WriteFileText(dir.File("locked.txt"), "41");
        chmod(dir.File("locked.txt").c_str(), 0);
        ASSERT_FALSE(ImportHexTextFile(dir.File("locked.txt"), out, error));
        EXPECT_EQ(error.file.code, EACCES);
    }

    // The windows import regular files only: an endless device is refused
    // (in a child process, so that an endless read fails the test instead of
    // hanging it). orvel-cli reads devices as streams.
    std::filesystem::create_symlink("/dev/zero", dir.File("zeros.txt"));
    const test::ChildEnd endless = test::RunInChild(
        [&] {
            ImportError refused;
            const bool ok =
                !ImportHexTextFile(dir.File("zeros.txt"), out, refused) &&
                refused.stage == ImportStage::kOpen &&
                refused.file.text == "The file is a character device, not a regular file.";
            return ok ? 0 : 1;
        },
        30);
    EXPECT_TRUE(endless.exited && endless.status == 0) << "signal " << endless.signal;
    std::filesystem::create_symlink("/dev/null", dir.File("null.txt"));
    EXPECT_TRUE(ImportHexTextFile(dir.File("null.txt"), out, error, FileKinds::kAlsoStreams));

    const ImportError readError{ImportStage::kRead, {EIO, SystemErrorText(EIO)}};
    EXPECT_EQ(ImportErrorMessage("/t/a.txt", readError),
              "Failed to read first file /t/a.txt\nCause: " + SystemErrorText(EIO));
}

}  // namespace
}  // namespace orvel
