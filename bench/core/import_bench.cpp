// Import of hex values text: orvel-cli import of the text of 64 MiB (192 MiB
// of "xx " values, 32 a line) against `xxd -r -p`, alternated, best of five,
// both writing a new file; the outputs are compared once.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "bench_support.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int main() {
    using namespace orvel::bench;
    const std::int64_t values = SizeFromEnvMiB("ORVEL_BENCH_IMPORT_MIB", 64) << 20;
    const TempRandomFile scratch(0);
    const std::string textPath = scratch.path() + ".txt";
    {
        std::mt19937_64 rng(42);
        constexpr char kDigits[] = "0123456789abcdef";
        std::string text;
        text.reserve(static_cast<std::size_t>(values) * 3);
        for (std::int64_t i = 0; i < values; ++i) {
            const auto v = static_cast<unsigned>(rng() & 0xFF);
            text += kDigits[v >> 4];
            text += kDigits[v & 15];
            text += i % 32 == 31 ? '\n' : ' ';
        }
        std::ofstream(textPath, std::ios::binary).write(text.data(), std::ssize(text));
    }
    const std::string ours = scratch.path() + ".orvel.bin";
    const std::string theirs = scratch.path() + ".xxd.bin";
    Command({ORVEL_CLI_PATH, "import", textPath, ours})();
    Command({"xxd", "-r", "-p", textPath, theirs})();
    if (ReadAll(ours) != ReadAll(theirs)) {
        std::fprintf(stderr, "the two imports differ\n");
        return 1;
    }
    const Duel duel = RunAlternately(
        Command({ORVEL_CLI_PATH, "import", textPath, ours}, "/dev/null", {0}, {ours}),
        Command({"xxd", "-r", "-p", textPath, theirs}, "/dev/null", {0}, {theirs}));
    PrintDuel("import of the text of " + std::to_string(values >> 20) + " MiB", "orvel-cli import",
              "xxd -r -p", duel, "target: at least 10x");
    std::remove(textPath.c_str());
    return 0;
}
