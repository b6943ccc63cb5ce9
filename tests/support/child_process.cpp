#include "support/child_process.h"

#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvel::test {

ChildEnd RunInChild(const std::function<int()>& body, unsigned timeoutSeconds) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        alarm(timeoutSeconds);
        _exit(body());
    }
    ChildEnd end;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return end;
    end.exited = WIFEXITED(status);
    end.status = end.exited ? WEXITSTATUS(status) : -1;
    end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return end;
}

uid_t NobodyUser() {
    const passwd* user = getpwnam("nobody");
    return user != nullptr ? user->pw_uid : 65534;
}

gid_t NobodyGroup() {
    const group* nogroup = getgrnam("nogroup");
    return nogroup != nullptr ? nogroup->gr_gid : 65534;
}

ChildEnd RunUnprivileged(const std::function<int()>& body) {
    return RunInChild([&body] {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(NobodyGroup()) != 0 ||
                               setuid(NobodyUser()) != 0)) {
            return 100;
        }
        return body();
    });
}

}  // namespace orvel::test
