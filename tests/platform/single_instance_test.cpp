#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/ClockSync.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/PlatformTestSupport.h"
#include "platform/linux/LinuxSingleInstance.h"
#include "platform/linux/LocalSocket.h"
#include "platform/linux/RuntimeFolder.h"

namespace quillon {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

constexpr Millis kPatience = 10000;

// Counts show requests delivered on the listener's thread; the test waits on real time.
class RequestCounter {
  public:
    std::function<void()> callback() {
        return [this] { clock_->update([this] { ++count_; }); };
    }
    bool waitFor(int count) {
        return clock_->waitFor(kPatience, [this, count] { return count_ >= count; });
    }
    int count() {
        int value = 0;
        clock_->update([&] { value = count_; });
        return value;
    }

  private:
    std::unique_ptr<Clock> clock_ = makeSteadyClock();
    int count_ = 0;
};

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 0777;
}

// Sends raw bytes as a client would and waits until the running instance hangs up.
bool sendAndWaitForHangUp(const std::string& socketPath, const std::string& bytes) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (::connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::send(fd.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(bytes.size())) {
        return false;
    }
    char ignored[16];
    const ssize_t n = ::recv(fd.get(), ignored, sizeof ignored, 0);
    // Closing with bytes still unread is reported as a reset rather than an end of stream.
    return n == 0 || (n < 0 && errno == ECONNRESET);
}

TEST(SingleInstance, SecondInstanceFindsTheFirstAndItsRequestArrives) {
    TempFolder runtime;
    LinuxSingleInstance first(runtime.path());
    LinuxSingleInstance second(runtime.path());
    ASSERT_EQ(first.acquire(), kInstanceFirst);
    EXPECT_EQ(second.acquire(), kInstanceRunning);
    EXPECT_EQ(first.acquire(), kInstanceFirst);  // asking again changes nothing

    RequestCounter requests;
    // A request sent before the listener runs waits for it.
    ASSERT_TRUE(second.sendShowRequest());
    const auto listener = first.listen(requests.callback());
    ASSERT_NE(listener, nullptr);
    EXPECT_TRUE(requests.waitFor(1));
    ASSERT_TRUE(second.sendShowRequest());
    ASSERT_TRUE(second.sendShowRequest());
    EXPECT_TRUE(requests.waitFor(3));
    EXPECT_EQ(second.listen(requests.callback()), nullptr);
}

TEST(SingleInstance, LockAndSocketBelongToTheUserAlone) {
    TempFolder runtime;
    LinuxSingleInstance instance(runtime.path());
    ASSERT_EQ(instance.acquire(), kInstanceFirst);
    EXPECT_EQ(instance.lockPath(), runtime.file("VORLAXDRVER1.lock"));
    EXPECT_EQ(instance.socketPath(), runtime.file("KALVEREN_004.sock"));
    EXPECT_EQ(modeOf(instance.lockPath()), 0600u);
    EXPECT_EQ(modeOf(instance.socketPath()), 0600u);
}

TEST(SingleInstance, EndingTheFirstRemovesItsSocketAndFreesTheLock) {
    TempFolder runtime;
    {
        LinuxSingleInstance first(runtime.path());
        ASSERT_EQ(first.acquire(), kInstanceFirst);
        const auto listener = first.listen([] {});
        ASSERT_NE(listener, nullptr);
    }
    EXPECT_NE(::access(runtime.file("KALVEREN_004.sock").c_str(), F_OK), 0);
    LinuxSingleInstance nobodyListens(runtime.path());
    EXPECT_FALSE(nobodyListens.sendShowRequest());
    EXPECT_EQ(nobodyListens.acquire(), kInstanceFirst);
}

TEST(SingleInstance, KilledInstanceLeavesNothingThatStopsTheNextStart) {
    TempFolder runtime;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        LinuxSingleInstance doomed(runtime.path());
        const char result = doomed.acquire() == kInstanceFirst ? '1' : '0';
        if (::write(ready[1], &result, 1) != 1) {
            ::_exit(1);
        }
        for (;;) {
            ::pause();
        }
    }
    ASSERT_GT(child, 0);
    ::close(ready[1]);
    char result = 0;
    ASSERT_EQ(::read(ready[0], &result, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(result, '1');

    LinuxSingleInstance whileAlive(runtime.path());
    EXPECT_EQ(whileAlive.acquire(), kInstanceRunning);

    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    // The lock and socket files are still there; neither may matter now.
    EXPECT_EQ(::access(runtime.file("VORLAXDRVER1.lock").c_str(), F_OK), 0);
    EXPECT_EQ(::access(runtime.file("KALVEREN_004.sock").c_str(), F_OK), 0);
    EXPECT_FALSE(whileAlive.sendShowRequest());

    LinuxSingleInstance next(runtime.path());
    ASSERT_EQ(next.acquire(), kInstanceFirst);
    RequestCounter requests;
    const auto listener = next.listen(requests.callback());
    ASSERT_NE(listener, nullptr);
    EXPECT_TRUE(whileAlive.sendShowRequest());
    EXPECT_TRUE(requests.waitFor(1));
}

TEST(SingleInstance, OddClientsAreDroppedWithoutBlockingRealRequests) {
    TempFolder runtime;
    LinuxSingleInstance first(runtime.path());
    ASSERT_EQ(first.acquire(), kInstanceFirst);
    RequestCounter requests;
    const auto listener = first.listen(requests.callback());
    ASSERT_NE(listener, nullptr);

    // A client that connects and never speaks must not hold the listener up.
    const UniqueFd silent = connectTo(first.socketPath());
    ASSERT_TRUE(silent.valid());
    EXPECT_TRUE(sendAndWaitForHangUp(first.socketPath(), "hello\n"));
    EXPECT_TRUE(sendAndWaitForHangUp(first.socketPath(), std::string(200, 's')));
    EXPECT_TRUE(sendAndWaitForHangUp(first.socketPath(), "showing\n"));
    EXPECT_EQ(requests.count(), 0);
    EXPECT_TRUE(sendAndWaitForHangUp(first.socketPath(), "show\n"));
    EXPECT_EQ(requests.count(), 1);
}

TEST(SingleInstance, ListenerStopsAtOnceWithAClientStillConnected) {
    TempFolder runtime;
    LinuxSingleInstance first(runtime.path());
    ASSERT_EQ(first.acquire(), kInstanceFirst);
    auto listener = first.listen([] {});
    ASSERT_NE(listener, nullptr);
    const UniqueFd silent = connectTo(first.socketPath());
    ASSERT_TRUE(silent.valid());
    const auto clock = makeSteadyClock();
    const Millis start = clock->now();
    listener.reset();
    EXPECT_LT(clock->now() - start, 1000);
}

TEST(SingleInstance, SocketPathTooLongStillKeepsOneInstance) {
    TempFolder runtime;
    const std::string deep = runtime.file(std::string(120, 'd'));
    ASSERT_TRUE(makeFolders(deep));
    LinuxSingleInstance first(deep);
    LinuxSingleInstance second(deep);
    EXPECT_EQ(first.acquire(), kInstanceFirst);
    EXPECT_EQ(second.acquire(), kInstanceRunning);
    EXPECT_EQ(first.listen([] {}), nullptr);
    EXPECT_FALSE(second.sendShowRequest());
}

TEST(RuntimeFolder, XdgRuntimeDirIsUsedWhenItExists) {
    TempFolder runtime;
    const ScopedEnv env("XDG_RUNTIME_DIR", runtime.path());
    EXPECT_EQ(privateRuntimeFolder(), runtime.path());
    EXPECT_EQ(LinuxSingleInstance().lockPath(), runtime.file("VORLAXDRVER1.lock"));
}

TEST(RuntimeFolder, FallbackFolderIsMadePrivateAndLinksAreRefused) {
    TempFolder root;
    const std::string open = root.file("open");
    ASSERT_EQ(::mkdir(open.c_str(), 0755), 0);
    EXPECT_TRUE(ensurePrivateFolder(open));
    EXPECT_EQ(modeOf(open), 0700u);
    EXPECT_TRUE(ensurePrivateFolder(root.file("new")));
    EXPECT_EQ(modeOf(root.file("new")), 0700u);
    ASSERT_EQ(::symlink(open.c_str(), root.file("link").c_str()), 0);
    EXPECT_FALSE(ensurePrivateFolder(root.file("link")));
    testing::writeFile(root.file("file"), "x");
    EXPECT_FALSE(ensurePrivateFolder(root.file("file")));
}

TEST(RuntimeFolder, FolderOwnedBySomeoneElseIsRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a folder away";
    }
    TempFolder root;
    const std::string foreign = root.file("foreign");
    ASSERT_EQ(::mkdir(foreign.c_str(), 0700), 0);
    ASSERT_EQ(::chown(foreign.c_str(), testing::unprivilegedUid(), 0), 0);
    EXPECT_FALSE(ensurePrivateFolder(foreign));
}

}  // namespace
}  // namespace quillon
