#include "QuitOnSignal.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace {

int gSignalFd = -1;

void writeSignalByte(int) {
    const char byte = 1;
    if (gSignalFd >= 0) {
        [[maybe_unused]] const auto written = ::write(gSignalFd, &byte, 1);
    }
}

}  // namespace

QuitOnSignal::QuitOnSignal() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0) {
        return;
    }
    gSignalFd = fds_[0];
    struct sigaction action = {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

void QuitOnSignal::onSignal(std::function<void()> quit) {
    quit_ = std::move(quit);
    if (fds_[1] < 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fds_[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char drain[16];
        while (::read(fds_[1], drain, sizeof drain) > 0) {
        }
        if (quit_) {
            quit_();
        }
    });
}

QuitOnSignal::~QuitOnSignal() {
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGHUP, SIG_DFL);
    gSignalFd = -1;
    notifier_.reset();
    for (int fd : fds_) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}
