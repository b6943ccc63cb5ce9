#include "support/shell_run.h"

#include <sys/wait.h>

#include <cstdio>

namespace orvel::test {

ShellRun Shell(const std::string& command) {
    ShellRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buf[65536];
    for (std::size_t got; (got = fread(buf, 1, sizeof buf, pipe)) > 0;)
        run.out.append(buf, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

}  // namespace orvel::test
