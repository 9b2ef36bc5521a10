#include "platform/linux/HelperProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/UniqueFd.h"

extern char** environ;

namespace quillon {
namespace {

constexpr Millis kReapPollMs = 5;

int pollTimeout(const Clock& clock, Millis deadline) {
    const Millis left = std::max<Millis>(deadline - clock.now(), 0);
    return static_cast<int>(std::min<Millis>(left, INT_MAX));
}

bool executableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

class SpawnActions {
  public:
    SpawnActions() { ok_ = ::posix_spawn_file_actions_init(&actions_) == 0; }
    ~SpawnActions() {
        if (ok_) {
            ::posix_spawn_file_actions_destroy(&actions_);
        }
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    // Standard input and error on /dev/null, standard output into `outputFd`.
    bool redirect(int outputFd) {
        return ok_ &&
               ::posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) == 0 &&
               ::posix_spawn_file_actions_adddup2(&actions_, outputFd, 1) == 0 &&
               ::posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0) == 0 &&
               closeTheRest();
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

  private:
    // Descriptors the program opened without close-on-exec (device handles) stay out of the
    // helper where the C library can say so.
    bool closeTheRest() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        return ::posix_spawn_file_actions_addclosefrom_np(&actions_, 3) == 0;
#else
        return true;
#endif
    }

    posix_spawn_file_actions_t actions_{};
    bool ok_ = false;
};

// The child starts a process group of its own, so that a helper that is killed at the time limit
// takes whatever it started with it.
class SpawnAttributes {
  public:
    SpawnAttributes() {
        initialised_ = ::posix_spawnattr_init(&attributes_) == 0;
        ok_ = initialised_ &&
              ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP) == 0 &&
              ::posix_spawnattr_setpgroup(&attributes_, 0) == 0;
    }
    ~SpawnAttributes() {
        if (initialised_) {
            ::posix_spawnattr_destroy(&attributes_);
        }
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    bool ok() const { return ok_; }
    const posix_spawnattr_t* get() const { return &attributes_; }

  private:
    posix_spawnattr_t attributes_{};
    bool initialised_ = false;
    bool ok_ = false;
};

// A started child; it is killed (with its process group) and reaped when it has not been reaped by
// the time this ends.
class Child {
  public:
    explicit Child(pid_t pid) : pid_(pid) {}
    ~Child() {
        if (!reaped_) {
            ::kill(-pid_, SIGKILL);
            waitBlocking();
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The exit result once the child has ended within the deadline; kHelperTimedOut otherwise
    // (the child is then killed).
    int wait(Clock& clock, Millis deadline) {
        for (;;) {
            const pid_t done = ::waitpid(pid_, &status_, WNOHANG);
            if (done == pid_) {
                reaped_ = true;
                return exitResult();
            }
            if (done < 0 && errno != EINTR) {
                reaped_ = true;  // not our child any more: nothing left to reap
                return kHelperKilled;
            }
            if (clock.now() >= deadline) {
                return kHelperTimedOut;
            }
            clock.sleepFor(kReapPollMs);
        }
    }

  private:
    void waitBlocking() {
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    int exitResult() const {
        if (WIFEXITED(status_)) {
            return WEXITSTATUS(status_) == 0 ? 1 : kHelperFailed;
        }
        return kHelperKilled;
    }

    pid_t pid_;
    int status_ = 0;
    bool reaped_ = false;
};

// Reads until the end of the output or the deadline; false at the deadline.
bool collectOutput(Clock& clock, int fd, Millis deadline, std::size_t cap, std::string& out) {
    char buffer[1024];
    for (;;) {
        pollfd entry{fd, POLLIN, 0};
        const int ready = ::poll(&entry, 1, pollTimeout(clock, deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return ready < 0;  // an error ends the reading like the end of the output
        }
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return true;
        }
        const std::size_t room = cap - std::min(cap, out.size());
        out.append(buffer, std::min(room, static_cast<std::size_t>(got)));
    }
}

}  // namespace

std::string findHelperProgram(const std::string& searchPath, const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) {
        return {};
    }
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
        const std::string folder = searchPath.substr(start, end - start);
        if (!folder.empty() && folder.front() == '/') {
            const std::string candidate = folder + (folder.back() == '/' ? "" : "/") + name;
            if (executableFile(candidate)) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return {};
}

HelperRun runHelperProgram(Clock& clock, const std::string& searchPath,
                           const std::vector<std::string>& argv, const HelperLimits& limits) {
    HelperRun run;
    const std::string path = argv.empty() ? "" : findHelperProgram(searchPath, argv.front());
    if (path.empty()) {
        return run;
    }
    run.result = kHelperNotStarted;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return run;
    }
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);
    SpawnActions actions;
    SpawnAttributes attributes;
    if (!actions.redirect(writeEnd.get()) || !attributes.ok()) {
        return run;
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    const Millis deadline = clock.deadlineAfter(limits.timeLimit);
    pid_t pid = 0;
    if (::posix_spawn(&pid, path.c_str(), actions.get(), attributes.get(), args.data(), environ) !=
        0) {
        return run;
    }
    Child child(pid);
    writeEnd.reset();
    if (!collectOutput(clock, readEnd.get(), deadline, limits.outputCap, run.output)) {
        run.result = kHelperTimedOut;
        return run;  // the child is killed and reaped on the way out
    }
    run.result = child.wait(clock, deadline);
    return run;
}

}  // namespace quillon
