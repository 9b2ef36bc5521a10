#include "platform/linux/HidrawConnection.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/linux/HidrawSysfs.h"

namespace quillon {
namespace {

int transferCount(long moved) {
    return static_cast<int>(std::min<long>(moved, INT_MAX));
}

int pollTimeout(const Clock& clock, Millis deadline) {
    if (deadline == kForever) {
        return -1;
    }
    const Millis left = std::max<Millis>(deadline - clock.now(), 0);
    return static_cast<int>(std::min<Millis>(left, INT_MAX));
}

}  // namespace

HidrawConnection::HidrawConnection(Identity identity, UniqueFd device, UniqueFd cancelSignal,
                                   HidAccess access, std::shared_ptr<Clock> clock)
    : HidConnection(identity.vendorId, identity.productId, identity.descriptor),
      device_(std::move(device)),
      cancelSignal_(std::move(cancelSignal)),
      access_(access),
      numberedReports_(descriptorDeclaresReportIds(identity.descriptor)),
      clock_(std::move(clock)) {}

void HidrawConnection::cancel() {
    const std::uint64_t one = 1;
    if (::write(cancelSignal_.get(), &one, sizeof one) < 0) {
        // The counter cannot overflow from single increments; nothing else can go wrong here.
    }
}

// The eventfd counts cancels; reading it clears them all, like an auto-reset event. When a reader
// and a writer both see it, only the one whose read succeeds is cancelled.
bool HidrawConnection::takeCancel() {
    std::uint64_t count = 0;
    return ::read(cancelSignal_.get(), &count, sizeof count) == sizeof count;
}

HidrawConnection::Wait HidrawConnection::waitUntil(short events, Millis deadline) {
    for (;;) {
        pollfd fds[2] = {{cancelSignal_.get(), POLLIN, 0}, {device_.get(), events, 0}};
        const int ready = ::poll(fds, 2, pollTimeout(*clock_, deadline));
        if (ready < 0 && errno != EINTR) {
            return Wait::Failed;
        }
        if (ready > 0 && (fds[0].revents & POLLIN) != 0 && takeCancel()) {
            return Wait::Cancelled;  // a cancel wins over data that is ready at the same time
        }
        if (ready > 0 && (fds[1].revents & events) != 0) {
            return Wait::Ready;
        }
        if (ready > 0 && (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return Wait::Failed;  // unplugged
        }
        if (deadline != kForever && clock_->now() >= deadline) {
            return Wait::TimedOut;
        }
    }
}

long HidrawConnection::readOnce(std::uint8_t* buffer, std::size_t capacity) {
    if (numberedReports_) {
        return ::read(device_.get(), buffer, capacity);
    }
    buffer[0] = 0;
    if (capacity == 1) {
        std::uint8_t discarded = 0;  // the caller only has room for the report id
        const long got = ::read(device_.get(), &discarded, 1);
        return got > 0 ? 1 : got;
    }
    const long got = ::read(device_.get(), buffer + 1, capacity - 1);
    return got > 0 ? got + 1 : got;
}

int HidrawConnection::failureOf(Wait wait) {
    switch (wait) {
        case Wait::Cancelled:
            return kHidCancelled;
        case Wait::TimedOut:
            return kHidTimeout;
        case Wait::Failed:
            return kHidError;
        case Wait::Ready:
            break;
    }
    return kReady;
}

int HidrawConnection::read(std::uint8_t* buffer, std::size_t capacity, Millis timeout) {
    if (buffer == nullptr || capacity == 0 || !access_.read) {
        return kHidError;
    }
    const Millis deadline = clock_->deadlineAfter(timeout);
    for (;;) {
        if (const int failure = failureOf(waitUntil(POLLIN, deadline)); failure != kReady) {
            return failure;
        }
        const long got = readOnce(buffer, capacity);
        if (got > 0) {
            return transferCount(got);
        }
        if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            return kHidError;  // end of file or a failed device
        }
        // Another reader of the node took the report; wait for the next one.
    }
}

// A hidraw write goes to the device within the call; the kernel bounds it with its own USB time
// limit, which may be longer than ours. The wait here covers a node that cannot take a report.
int HidrawConnection::write(const std::uint8_t* data, std::size_t length, Millis timeout) {
    if (data == nullptr || length == 0 || !access_.write) {
        return kHidError;
    }
    const Millis deadline = clock_->deadlineAfter(timeout);
    for (;;) {
        if (const int failure = failureOf(waitUntil(POLLOUT, deadline)); failure != kReady) {
            return failure;
        }
        const long sent = ::write(device_.get(), data, length);
        if (sent > 0) {
            return transferCount(sent);
        }
        if (sent == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            return kHidError;
        }
    }
}

}  // namespace quillon
