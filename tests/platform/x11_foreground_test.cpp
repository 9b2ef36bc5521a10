// The X11 foreground port against a real X server: a private Xvfb started for the test (skipped
// when Xvfb is not installed). The test plays the window manager: it names the active window on
// the root window as a window manager does when a window comes to the front.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/linux/DesktopForegroundApp.h"
#include "platform/linux/ProcessExecutable.h"
#include "platform/linux/X11ForegroundApp.h"

extern char** environ;

namespace quillon {
namespace {

std::string findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate = dirs.substr(start, end - start) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

pid_t spawn(const std::vector<std::string>& args, posix_spawn_file_actions_t* actions = nullptr) {
    std::vector<char*> argv;
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    return ::posix_spawn(&pid, args[0].c_str(), actions, nullptr, argv.data(), environ) == 0 ? pid
                                                                                             : -1;
}

void endProcess(pid_t pid) {
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
}

// An Xvfb of the test's own; it tells its display number through a pipe once it accepts clients.
class PrivateXvfb {
  public:
    PrivateXvfb() {
        const std::string xvfb = findProgram("Xvfb");
        int fds[2];
        if (xvfb.empty() || ::pipe(fds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_ = spawn({xvfb, "-displayfd", "3", "-screen", "0", "320x240x24", "-nolisten", "tcp"},
                     &actions);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        char c = 0;
        while (::poll(&p, 1, 10000) == 1 && ::read(fds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        ::close(fds[0]);
        if (!number.empty()) {
            display_ = ":" + number;
        }
    }
    ~PrivateXvfb() { endProcess(pid_); }
    const std::string& display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};

class X11Foreground : public ::testing::Test {
  protected:
    void SetUp() override {
        if (xvfb_.display().empty()) {
            GTEST_SKIP() << "Xvfb is not installed or did not start";
        }
        xcb_ = xcb_connect(xvfb_.display().c_str(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(xcb_), 0);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(xcb_)).data->root;
        activeAtom_ = atom("_NET_ACTIVE_WINDOW");
        pidAtom_ = atom("_NET_WM_PID");
    }
    void TearDown() override {
        if (xcb_ != nullptr) {
            xcb_disconnect(xcb_);
        }
        endProcess(other_);
    }

    xcb_atom_t atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            xcb_, xcb_intern_atom(xcb_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t a = reply->atom;
        std::free(reply);
        return a;
    }
    // A mapped top-level window that names `pid` as its process (0: names none).
    xcb_window_t window(std::uint32_t pid) {
        const xcb_window_t w = xcb_generate_id(xcb_);
        xcb_create_window(xcb_, XCB_COPY_FROM_PARENT, w, root_, 0, 0, 100, 80, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        if (pid != 0) {
            xcb_change_property(xcb_, XCB_PROP_MODE_REPLACE, w, pidAtom_, XCB_ATOM_CARDINAL, 32, 1,
                                &pid);
        }
        xcb_map_window(xcb_, w);
        return w;
    }
    void bringToFront(xcb_window_t w) {
        xcb_change_property(xcb_, XCB_PROP_MODE_REPLACE, root_, activeAtom_, XCB_ATOM_WINDOW, 32, 1,
                            &w);
        xcb_aux_sync();
    }
    void xcb_aux_sync() {
        std::free(xcb_get_input_focus_reply(xcb_, xcb_get_input_focus(xcb_), nullptr));
    }

    PrivateXvfb xvfb_;
    xcb_connection_t* xcb_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t activeAtom_ = 0;
    xcb_atom_t pidAtom_ = 0;
    pid_t other_ = -1;
};

TEST_F(X11Foreground, TheWindowInFrontNamesTheExecutableOfItsProcess) {
    const std::string sleep = findProgram("sleep");
    ASSERT_FALSE(sleep.empty());
    other_ = spawn({sleep, "30"});
    ASSERT_GT(other_, 0);
    const auto expected = processExecutable(other_);
    ASSERT_TRUE(expected);

    X11ForegroundApp port(xvfb_.display());
    EXPECT_TRUE(port.supported());
    EXPECT_EQ(port.executablePath(), std::optional<std::string>(""));  // nothing in front yet

    const xcb_window_t other = window(static_cast<std::uint32_t>(other_));
    bringToFront(other);
    EXPECT_EQ(port.executablePath(), expected);
    EXPECT_EQ(port.processOf(other), other_);

    const xcb_window_t own = window(static_cast<std::uint32_t>(::getpid()));
    bringToFront(own);
    EXPECT_EQ(port.executablePath(), processExecutable(::getpid()));

    // A program shown from another machine names a process of that machine.
    const xcb_window_t remote = window(static_cast<std::uint32_t>(other_));
    const std::string elsewhere = "elsewhere.example";
    xcb_change_property(xcb_, XCB_PROP_MODE_REPLACE, remote, XCB_ATOM_WM_CLIENT_MACHINE,
                        XCB_ATOM_STRING, 8, static_cast<std::uint32_t>(elsewhere.size()),
                        elsewhere.data());
    bringToFront(remote);
    EXPECT_EQ(port.executablePath(), std::nullopt);
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    xcb_change_property(xcb_, XCB_PROP_MODE_REPLACE, remote, XCB_ATOM_WM_CLIENT_MACHINE,
                        XCB_ATOM_STRING, 8, static_cast<std::uint32_t>(std::strlen(host)), host);
    bringToFront(remote);
    EXPECT_EQ(port.executablePath(), expected);

    // A window that names no process cannot be read; the watchers then keep the last answer.
    bringToFront(window(0));
    EXPECT_EQ(port.executablePath(), std::nullopt);
    bringToFront(XCB_WINDOW_NONE);
    EXPECT_EQ(port.executablePath(), std::optional<std::string>(""));
}

TEST(X11ForegroundWithoutServer, AnswersNothingInsteadOfFailing) {
    X11ForegroundApp port(":9999");
    EXPECT_EQ(port.executablePath(), std::nullopt);
    EXPECT_EQ(port.activeWindow(), std::nullopt);
}

TEST(ProcessExecutable, NamesTheRunningProgramAndNothingForOthers) {
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_EQ(processExecutable(::getpid()), std::optional<std::string>(self));
    EXPECT_EQ(processExecutable(0), std::nullopt);
    EXPECT_EQ(processExecutable(-5), std::nullopt);
    EXPECT_EQ(processExecutable(0x7FFFFFF0), std::nullopt);
}

TEST(DesktopForegroundApp, X11SessionsAreAskedWaylandSessionsSaySoOnce) {
    EXPECT_TRUE(makeDesktopForegroundApp({"x11", "", ":0", "XFCE"})->supported());
    EXPECT_TRUE(makeDesktopForegroundApp({"", "", ":0", ""})->supported());
    for (const SessionEnvironment& session :
         {SessionEnvironment{"wayland", "wayland-0", ":0", "KDE"},
          SessionEnvironment{"", "wayland-0", ":1", "ubuntu:GNOME"},
          SessionEnvironment{"tty", "", "", ""}}) {
        auto app = makeDesktopForegroundApp(session);
        EXPECT_FALSE(app->supported());
        EXPECT_EQ(app->executablePath(), std::nullopt);
    }
    auto gnome = makeDesktopForegroundApp({"wayland", "wayland-0", ":0", "ubuntu:GNOME"});
    EXPECT_EQ(static_cast<NoForegroundApp&>(*gnome).reason(), "GNOME on Wayland");
}

}  // namespace
}  // namespace quillon
