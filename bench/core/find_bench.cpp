// The search engine and orvel-cli find on 1 GiB of random bytes, each against
// its baseline in the same run, alternated, best of five:
//  - in memory: Find All of an 8-byte pattern with 2 wildcard bytes against
//    memchr over the same bytes, Find All backwards against forwards, and Find
//    Next of 1 to 4 bytes (the Find Bytes path) against memchr;
//  - whole runs on the cached file, each writing to a file: find of a 2-byte
//    pattern against `grep -obUaF`, find --count of 4 exact bytes against
//    `grep -c -F` and of case-insensitive ASCII text against `grep -c -i -F`,
//    and find --backward against find.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "document/byte_buffer.h"
#include "random_bytes.h"
#include "search/find_search.h"
#include "search/hit_iterator.h"

namespace {

using namespace orvel;
using namespace orvel::bench;

constexpr Offset kSize = Offset{1} << 30;

// Random bytes without FF, with a few planted 8-byte values and texts, so
// that every pattern below has a handful of hits. (No pattern holds a line
// break, which grep would take for two patterns.)
ByteBuffer MakeData() {
    ByteBuffer b = RandomBytesWithoutFF(kSize);
    for (Offset at = kSize / 7; at < kSize - 16; at += kSize / 7) {
        std::memcpy(b.data() + at, "\xFF\x12\x34\x56\x78\x9A\xBC\xDE", 8);
        std::memcpy(b.data() + at + 3000, "OrVeL", 5);
    }
    return b;
}

Offset CountHits(const Searcher& searcher, const ByteBuffer& data, SearchDirection direction) {
    HitIterator hits(searcher, data.span(), 0, data.size(), direction);
    Offset count = 0;
    while (hits.Next() >= 0)
        ++count;
    return count;
}

void InMemory(const ByteBuffer& data) {
    const Searcher exact(*ParseHexPattern("12345678"));
    const Searcher wildcards(*ParseHexPattern("FF12??5678??BCDE"));
    Offset sink = 0;
    const Runner memchr = InProcess([&] { sink += CountByte(data, 0xFF); });
    PrintDuel("Find All of 8 bytes with 2 wildcards, 1 GiB in memory", "search engine", "memchr",
              RunAlternately(
                  InProcess([&] { sink += CountHits(wildcards, data, SearchDirection::kForward); }),
                  memchr),
              "target: at least 0.3x");
    PrintDuel("Find All of 4 exact bytes, 1 GiB in memory", "backwards", "forwards",
              RunAlternately(
                  InProcess([&] { sink += CountHits(exact, data, SearchDirection::kBackward); }),
                  InProcess([&] { sink += CountHits(exact, data, SearchDirection::kForward); })),
              "target: at least 0.5x");
    const char* texts[] = {"FF", "FF12", "FF1234", "FF123456"};
    for (const char* text : texts) {
        const SearchPattern pattern = *ParseHexPattern(text);
        const Runner findNext = InProcess([&] {
            Offset next = 0;
            while (FindNext(data.span(), pattern.values(), next) != kNotFound)
                ++sink;
        });
        PrintDuel(std::string("Find Next of ") + text + ", 1 GiB in memory", "Find Bytes", "memchr",
                  RunAlternately(findNext, memchr), "close to memchr");
    }
    if (sink == 0)
        std::puts("nothing found");
}

// Every command writes to a file: grep stops at the first match when its
// output is /dev/null, even with -c.
void CommandLines(const std::string& path) {
    const std::string out = path + ".out";
    const std::string theirs = path + ".grep";
    const auto ours = [&](std::vector<std::string> arguments, std::vector<int> statuses = {0}) {
        arguments.insert(arguments.begin(), {ORVEL_CLI_PATH, "find"});
        return Command(arguments, out, statuses, {out});
    };
    const auto grep = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "grep");
        return Command(arguments, theirs, {0}, {theirs});
    };
    PrintDuel("find of 2 bytes in a cached 1 GiB file", "orvel-cli find", "grep -obUaF",
              RunAlternately(ours({path, "1234"}), grep({"-obUaF", "\x12\x34", path})),
              "target: at least 2x");
    PrintDuel("count of 4 exact bytes in a cached 1 GiB file", "orvel-cli find --count",
              "grep -c -F",
              RunAlternately(ours({"--count", path, "12345678"}),
                             grep({"-c", "-F", "\x12\x34\x56\x78", path})),
              "target: at least 1x");
    PrintDuel("count of case-insensitive text in a cached 1 GiB file",
              "orvel-cli find --count --text -i", "grep -c -i -F",
              RunAlternately(ours({"--count", "--text", "-i", path, "orvel"}),
                             grep({"-c", "-i", "-F", "orvel", path})),
              "target: at least 0.5x");
    PrintDuel("count of 4 exact bytes in a cached 1 GiB file", "orvel-cli find --backward",
              "orvel-cli find",
              RunAlternately(ours({"--count", "--backward", path, "12345678"}),
                             ours({"--count", path, "12345678"})),
              "target: at least 0.5x");
}

}  // namespace

int main() {
    setenv("LC_ALL", "C", 1);
    const TempRandomFile file(0);
    {
        const ByteBuffer data = MakeData();
        InMemory(data);
        FILE* f = std::fopen(file.path().c_str(), "wb");
        if (f == nullptr ||
            std::fwrite(data.data(), 1, kSize, f) != static_cast<std::size_t>(kSize) ||
            std::fclose(f) != 0) {
            std::perror(file.path().c_str());
            return 1;
        }
    }  // gone before the commands run, so their peak memory is their own
    static_cast<void>(std::system(("cat " + file.path() + " > /dev/null").c_str()));
    CommandLines(file.path());
    return 0;
}
