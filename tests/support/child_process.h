#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace orvel::test {

// How a child process ended: its exit status, or the signal that ended it.
struct ChildEnd {
    bool exited = false;
    int status = -1;
    int signal = 0;
};

// Runs `body` in a forked child process (no core dumps), which exits with the
// result of `body`. A watchdog (SIGALRM after `timeoutSeconds`) ends a child
// that blocks, so a test of something that must not block fails instead of
// hanging.
ChildEnd RunInChild(const std::function<int()>& body, unsigned timeoutSeconds = 60);

// How a program ended and the most memory it held (its peak resident set).
struct ProgramEnd {
    int status = -1;  // the exit status, -1 when a signal ended it
    long peakRssKiB = 0;
};

// Runs `argv` (no shell) with standard input read from `in`, standard output
// written to `out` and standard error to /dev/null, and waits for it.
ProgramEnd RunProgram(const std::vector<std::string>& argv, const std::string& in = "/dev/null",
                      const std::string& out = "/dev/null");

// The user and group "nobody" and "nogroup".
[[nodiscard]] uid_t NobodyUser();
[[nodiscard]] gid_t NobodyGroup();

// RunInChild as a user without privileges: run as root, the child becomes
// nobody:nogroup first.
ChildEnd RunUnprivileged(const std::function<int()>& body);

}  // namespace orvel::test
