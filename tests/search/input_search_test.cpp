// Searching a file window by window finds what searching all of it at once
// finds, for every window size, in both directions, in files and in pipes.
#include "search/input_search.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "search/hit_iterator.h"
#include "support/special_files.h"
#include "support/temp_dir.h"

namespace orvel {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Offset> WholeArrayHits(const Searcher& searcher, const Bytes& bytes, Offset from,
                                   SearchDirection direction) {
    const auto size = static_cast<Offset>(bytes.size());
    const bool forward = direction == SearchDirection::kForward;
    HitIterator hits(searcher, bytes, forward ? from : 0, forward ? size : std::min(from, size),
                     direction);
    std::vector<Offset> found;
    for (Offset at; (at = hits.Next()) >= 0;)
        found.push_back(at);
    return found;
}

std::vector<Offset> InputHits(const std::string& path, const Searcher& searcher, Offset from,
                              SearchDirection direction, std::size_t window, bool spool = false) {
    InputReader in;
    FileError error;
    EXPECT_TRUE(in.Open(path, error)) << error.text;
    EXPECT_TRUE(!spool || in.Spool(error)) << error.text;
    std::vector<Offset> found;
    const bool ok = SearchInput(
        in, searcher, direction, from,
        [&found](Offset at) {
            found.push_back(at);
            return true;
        },
        error, window);
    EXPECT_TRUE(ok) << error.text;
    return found;
}

TEST(InputSearchTest, EveryWindowSizeFindsWhatTheWholeArraySearchFinds) {
    const test::TempDir dir;
    const std::string path = dir.File("data");
    std::mt19937 random(4242);
    for (int round = 0; round < 150; ++round) {
        Bytes bytes(random() % 120);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random() % 3);
        test::WriteFileBytes(path, bytes);
        SearchPattern pattern;
        for (std::size_t k = 1 + random() % 7; k > 0; --k)
            pattern.Append(static_cast<std::uint8_t>(random() % 3), random() % 4 ? 0xFF : 0x00);
        const Searcher searcher(pattern);
        const Offset from = random() % (bytes.size() + 3);
        for (const auto direction : {SearchDirection::kForward, SearchDirection::kBackward}) {
            const auto expected = WholeArrayHits(searcher, bytes, from, direction);
            for (std::size_t window = 1; window <= bytes.size() + 1; window += 1 + window / 4) {
                ASSERT_EQ(InputHits(path, searcher, from, direction, window), expected)
                    << "round " << round << " window " << window;
            }
        }
    }
}

// A pipe is read in order: forwards from a start it reads and drops the bytes
// before, backwards it is spooled first; both agree with the file.
TEST(InputSearchTest, PipesForwardsAndSpooledBackwards) {
    const test::TempDir dir;
    Bytes bytes(300000);
    std::mt19937 random(7);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random() % 4);
    test::WriteFileBytes(dir.File("data"), bytes);
    const Searcher searcher(*ParseHexPattern("0102??03"));
    for (const Offset from : {Offset{0}, Offset{77777}, Offset{300000}, Offset{999999}}) {
        for (const auto direction : {SearchDirection::kForward, SearchDirection::kBackward}) {
            const bool backward = direction == SearchDirection::kBackward;
            const auto expected = WholeArrayHits(searcher, bytes, from, direction);
            ASSERT_FALSE(expected.empty() && (backward ? from > 0 : from < 300000));
            EXPECT_EQ(InputHits(dir.File("data"), searcher, from, direction, 4096), expected);
            const test::PipeFeeder pipe(bytes);
            EXPECT_EQ(InputHits(pipe.path(), searcher, from, direction, 4096, backward), expected)
                << from << (backward ? " backward" : " forward");
        }
    }
}

TEST(InputSearchTest, TheSinkEndsTheSearch) {
    const test::TempDir dir;
    test::WriteFileBytes(dir.File("data"), Bytes(100, 7));
    InputReader in;
    FileError error;
    ASSERT_TRUE(in.Open(dir.File("data"), error));
    int calls = 0;
    EXPECT_TRUE(SearchInput(
        in, Searcher(SearchPattern::Exact(Bytes{7})), SearchDirection::kForward, 0,
        [&calls](Offset) { return ++calls < 3; }, error, 8));
    EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace orvel
