#pragma once

#include <string>
#include <vector>

namespace orvel {
class InputReader;
}  // namespace orvel

namespace orvel::cli {

// One verb of orvel-cli: `run` gets the arguments after the verb and returns
// the exit status.
struct Verb {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& args);
};

// A verb's arguments: the options (every argument before a "--" that begins
// with "-" and is not "-" alone) and the other arguments, in order.
struct Arguments {
    std::vector<std::string> options;
    std::vector<std::string> operands;
};
[[nodiscard]] Arguments SplitOptions(const std::vector<std::string>& args);

// Prints "orvel-cli: " and the message on standard error; returns `status`.
int Fail(const std::string& message, int status = 1);
// Writes all of `size` bytes to standard output; false on a write error.
bool WriteOut(const char* data, std::size_t size);
// The file an input argument names: "-" stands for standard input.
[[nodiscard]] std::string InputPath(const std::string& arg);

int RunDump(const std::vector<std::string>& args);
// Writes the dump text of `in` (named `name` in messages) to standard output;
// returns the exit status.
int WriteDumpToStandardOutput(InputReader& in, const std::string& name);
// Exit status 0 when the files are identical, 1 when they differ, 2 on an error.
int RunCompare(const std::vector<std::string>& args);
// compare --aligned: the same exit statuses.
int RunCompareAligned(const std::vector<std::string>& args);
// Exit status 0 when something was found, 1 when nothing, 2 on an error.
int RunFind(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);

}  // namespace orvel::cli
