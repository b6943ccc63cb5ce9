#include "support/child_process.h"

#include <fcntl.h>
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

ProgramEnd RunProgram(const std::vector<std::string>& argv, const std::string& in,
                      const std::string& out) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int input = open(in.c_str(), O_RDONLY);
        const int output = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int null = open("/dev/null", O_WRONLY);
        if (input < 0 || output < 0 || null < 0 || dup2(input, STDIN_FILENO) < 0 ||
            dup2(output, STDOUT_FILENO) < 0 || dup2(null, STDERR_FILENO) < 0) {
            _exit(127);
        }
        execv(args[0], args.data());
        _exit(127);
    }
    ProgramEnd end;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return end;
    end.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    end.peakRssKiB = usage.ru_maxrss;
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
