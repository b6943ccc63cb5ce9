#pragma once

#include <sys/types.h>

#include <functional>

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

// The user and group "nobody" and "nogroup".
[[nodiscard]] uid_t NobodyUser();
[[nodiscard]] gid_t NobodyGroup();

// RunInChild as a user without privileges: run as root, the child becomes
// nobody:nogroup first.
ChildEnd RunUnprivileged(const std::function<int()>& body);

}  // namespace orvel::test
