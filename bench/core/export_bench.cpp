// Export of the dump text: orvel-cli export of a 256 MiB file to a new file
// against `xxd -u -g1 FILE > OUT`, alternated, best of five; and the dump text
// alone in memory against memcpy of as many bytes. ORVEL_BENCH_EXPORT_MIB sets
// the file size.
#include <cstring>
#include <vector>

#include "bench_support.h"
#include "document/byte_buffer.h"
#include "document/file_io.h"
#include "view/dump_text.h"

int main() {
    using namespace orvel::bench;
    const TempRandomFile file(SizeFromEnvMiB("ORVEL_BENCH_EXPORT_MIB", 256) << 20);
    const std::string ours = file.path() + ".orvel.txt";
    const std::string theirs = file.path() + ".xxd.txt";
    const Duel cli = RunAlternately(
        Command({ORVEL_CLI_PATH, "export", file.path(), ours}, "/dev/null", {0}, {ours}),
        Command({"xxd", "-u", "-g1", file.path()}, theirs, {0}, {theirs}));
    PrintDuel("export of " + std::to_string(file.size() >> 20) + " MiB to a new file",
              "orvel-cli export", "xxd -u -g1 >", cli, "target: at least 6x");

    orvel::ByteBuffer bytes;
    orvel::FileError error;
    if (!orvel::LoadFile(file.path(), bytes, error))
        return 1;
    const orvel::DumpText text(bytes);
    std::vector<char> copy(std::size_t{8} << 20);
    const Duel memory = RunAlternately(
        InProcess([&text] {
            text.Write([](const char* data, std::size_t) { return data != nullptr; },
                       std::size_t{8} << 20);
        }),
        InProcess([&text, &copy, &bytes] {
            // The text's length in bytes copied through the same 8 MiB block.
            for (orvel::Offset done = 0; done < text.Length(); done += std::ssize(copy)) {
                std::memcpy(copy.data(), bytes.data() + done % (bytes.size() - std::ssize(copy)),
                            copy.size());
            }
        }));
    PrintDuel("dump text in memory", "DumpText::Write", "memcpy of as much", memory,
              "the formatter on one thread against copying its output");
    return 0;
}
