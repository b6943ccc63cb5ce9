// orvel-cli: the headless front end of Orvel, for scripting and batch use.
#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "cli/verbs.h"
#include "document/write_all.h"

namespace orvel::cli {
namespace {

constexpr Verb kVerbs[] = {
    {"dump", "dump FILE                 write the hex display text of FILE", RunDump},
    {"compare",
     "compare FILE1 FILE2       list the differing bytes of two files\n"
     "  compare --aligned FILE1 FILE2\n"
     "                            list their differences as edits, allowing inserted bytes",
     RunCompare},
    {"find", "find FILE HEX [START]     list the offsets repeated Find Next selects", RunFind},
    {"import", "import TEXTFILE OUTFILE    make OUTFILE from the hex values in TEXTFILE",
     RunImport},
    {"export", "export FILE OUTFILE        write the hex display text of FILE to OUTFILE",
     RunExport},
};

void PrintHelp(std::FILE* out) {
    std::fputs("usage: orvel-cli VERB ARGUMENTS\n\nverbs:\n", out);
    for (const Verb& verb : kVerbs)
        std::fprintf(out, "  %s\n", verb.usage);
    std::fputs("  --help                    show this list\n", out);
    std::fputs("\nA FILE or TEXTFILE of - is read from standard input.\n", out);
}

}  // namespace

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "orvel-cli: %s\n", message.c_str());
    return status;
}

bool WriteOut(const char* data, std::size_t size) {
    return WriteAll(STDOUT_FILENO, data, size);
}

std::string InputPath(const std::string& arg) {
    return arg == "-" ? "/dev/stdin" : arg;
}

}  // namespace orvel::cli

int main(int argc, char** argv) {
    using namespace orvel::cli;
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string verb = argv[1];
    if (verb == "--help" || verb == "-h" || verb == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const Verb& v : kVerbs) {
        if (verb == v.name)
            return v.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    Fail("unknown verb '" + verb + "' (orvel-cli --help lists the verbs)");
    return 2;
}
