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
    {"find",
     "find [OPTIONS] FILE PATTERN [START]\n"
     "                            list the offsets repeated Find Next selects",
     RunFind},
    {"import", "import TEXTFILE OUTFILE   make OUTFILE from the hex values in TEXTFILE", RunImport},
    {"export", "export FILE OUTFILE       write the hex display text of FILE to OUTFILE",
     RunExport},
};

constexpr const char* kNotes = R"(
find takes PATTERN as hex of any length ("ABC" is 0A BC), with ?? for any byte
and ? for any nibble, and START as 1 to 8 hex digits (default 0). Options:
  --text                    PATTERN is Latin-1 text
  --utf16le, --utf16be      PATTERN is text, searched as UTF-16LE or UTF-16BE
  -i                        ASCII letters match either case (with a text option)
  --count                   print only the number of hits, in decimal
  --backward                search the bytes before START (default: the end)
                            towards offset 0; hits in descending order
Text in a UTF-8 argument is decoded first. find exits with 0 when something was
found, 1 when nothing, 2 on an error; compare with 0 when the files are
identical, 1 when they differ, 2 on an error.

A FILE or TEXTFILE of - is read from standard input; an OUTFILE of - is
standard output. Files of any size are read piece by piece; dump, export and
import stop at 0xFFFFFFFF bytes, find and compare have no limit.
)";

void PrintHelp(std::FILE* out) {
    std::fputs("usage: orvel-cli VERB ARGUMENTS\n\nverbs:\n", out);
    for (const Verb& verb : kVerbs)
        std::fprintf(out, "  %s\n", verb.usage);
    std::fputs("  --help                    show this text\n", out);
    std::fputs(kNotes, out);
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

Arguments SplitOptions(const std::vector<std::string>& args) {
    Arguments split;
    bool options = true;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && arg.size() > 1 && arg[0] == '-') {
            split.options.push_back(arg);
        } else {
            split.operands.push_back(arg);
        }
    }
    return split;
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
