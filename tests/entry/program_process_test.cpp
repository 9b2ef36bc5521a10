// The quillon program as a process: one instance per user, a second start hands over and ends,
// a terminate signal ends it in order, and a killed instance never blocks the next start.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class ProgramProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/quillon-process-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = pattern;
        fs::create_directories(root_ + "/run");
        fs::permissions(root_ + "/run", fs::perms::owner_all);
        fs::create_directories(root_ + "/data");
    }
    void TearDown() override {
        for (pid_t pid : running_) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        fs::remove_all(root_);
    }

    pid_t launch() {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::setenv("XDG_RUNTIME_DIR", (root_ + "/run").c_str(), 1);
            ::setenv("QUILLON_DATA_DIR", (root_ + "/data").c_str(), 1);
            ::setenv("QUILLON_MACHINE_SETTINGS", (root_ + "/machine.ini").c_str(), 1);
            // Leak reports of the desktop libraries are not this test's business.
            ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            ::execl(QUILLON_PATH, QUILLON_PATH, "--simulate=mousepad", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        running_.push_back(pid);
        return pid;
    }

    // The exit status, or -1 when it did not end within `limit`.
    int waitFor(pid_t pid, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                std::erase(running_, pid);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

    bool listening(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (fs::exists(socketPath())) {
                return true;
            }
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    std::string socketPath() const { return root_ + "/run/KALVEREN_004.sock"; }
    std::string lockPath() const { return root_ + "/run/VORLAXDRVER1.lock"; }

    bool lockIsFree() const {
        const int fd = ::open(lockPath().c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            return true;
        }
        const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        return free;
    }

    std::string root_;
    std::vector<pid_t> running_;
};

TEST_F(ProgramProcess, ASecondStartAsksTheRunningOneToShowItselfAndEnds) {
    const pid_t first = launch();
    ASSERT_TRUE(listening(20s));
    const pid_t second = launch();
    EXPECT_EQ(waitFor(second, 10s), 0);
    EXPECT_EQ(waitFor(first, 500ms), -1) << "the running instance must stay";
    EXPECT_FALSE(lockIsFree());
}

TEST_F(ProgramProcess, TerminateEndsInOrderAndLeavesNoLockBehind) {
    const pid_t first = launch();
    ASSERT_TRUE(listening(20s));
    ::kill(first, SIGTERM);
    EXPECT_EQ(waitFor(first, 15s), 0);
    EXPECT_FALSE(fs::exists(socketPath()));
    EXPECT_TRUE(lockIsFree());
}

TEST_F(ProgramProcess, AKilledInstanceDoesNotStopTheNextStart) {
    const pid_t first = launch();
    ASSERT_TRUE(listening(20s));
    ::kill(first, SIGKILL);
    EXPECT_EQ(waitFor(first, 5s), 128 + SIGKILL);
    const pid_t next = launch();
    EXPECT_EQ(waitFor(next, 3s), -1) << "the next start must become the running instance";
    EXPECT_TRUE(listening(20s));
    ::kill(next, SIGTERM);
    EXPECT_EQ(waitFor(next, 15s), 0);
}

}  // namespace
