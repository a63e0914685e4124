// Part of a test run in a forked child: under a time limit, so that a hang
// fails the test instead of stopping the run, and, when the tests run as root,
// as an ordinary user, so that file permissions mean what they mean to a player.
#pragma once

#include <grp.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

namespace murokan::test {

// The account root hands its folders to and becomes: nobody, on Debian.
inline constexpr uid_t kOrdinaryUid = 65534;
inline constexpr gid_t kOrdinaryGid = 65534;

struct ChildOutcome {
    bool finished = false;  // returned in time (not killed, not crashed)
    std::string report;     // what the child's body returned
};

// Runs `body` in a forked child that is killed after `seconds`. The body must
// not use the test framework; it returns a report instead (empty when all went
// well), which comes back through a pipe.
inline ChildOutcome run_in_child(unsigned seconds, const std::function<std::string()>& body) {
    int fds[2];
    if (pipe(fds) != 0) return {false, "pipe failed"};
    const pid_t pid = fork();
    if (pid < 0) return {false, "fork failed"};
    if (pid == 0) {
        close(fds[0]);
        alarm(seconds);  // the default action of SIGALRM ends the child
        const std::string report = body();
        size_t done = 0;
        while (done < report.size()) {
            const ssize_t n = write(fds[1], report.data() + done, report.size() - done);
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        _exit(0);  // no exit handlers: the parent's test framework is not ours
    }
    close(fds[1]);
    ChildOutcome outcome;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        outcome.report.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (WIFSIGNALED(status)) {
        outcome.report += WTERMSIG(status) == SIGALRM ? "timed out" : "killed by a signal";
    }
    return outcome;
}

// In a child: when running as root, hands `folder` to the ordinary account and
// becomes it. Returns why that failed, or an empty text.
inline std::string become_ordinary_user(const std::filesystem::path& folder) {
    if (geteuid() != 0) return {};
    if (chown(folder.c_str(), kOrdinaryUid, kOrdinaryGid) != 0) return "chown failed";
    if (setgroups(0, nullptr) != 0 || setgid(kOrdinaryGid) != 0 || setuid(kOrdinaryUid) != 0) {
        return "cannot drop root privileges";
    }
    return geteuid() == 0 ? "still root" : "";
}

}  // namespace murokan::test
