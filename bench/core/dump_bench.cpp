// orvel-cli dump against xxd -u -g1, both writing a 256 MiB file's dump to
// /dev/null, alternated, best of five. ORVEL_BENCH_DUMP_MIB sets the file size.
#include "bench_support.h"

int main() {
    using namespace orvel::bench;
    const TempRandomFile file(SizeFromEnvMiB("ORVEL_BENCH_DUMP_MIB", 256) << 20);
    const Duel duel = RunAlternately(Command({ORVEL_CLI_PATH, "dump", file.path()}),
                                     Command({"xxd", "-u", "-g1", file.path()}));
    PrintDuel("dump of " + std::to_string(file.size() >> 20) + " MiB to /dev/null",
              "orvel-cli dump", "xxd -u -g1", duel, "target: at least 15x, no round under 10x");
    return 0;
}
