#pragma once

#include <string>

namespace orvel::test {

// What a shell command wrote on standard output, and its exit status (-1 when
// a signal ended it).
struct ShellRun {
    std::string out;
    int status = -1;
};

ShellRun Shell(const std::string& command);

// `path` in single quotes for the shell.
[[nodiscard]] std::string Quoted(const std::string& path);

}  // namespace orvel::test
