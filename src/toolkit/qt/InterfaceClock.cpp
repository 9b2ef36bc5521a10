#include "toolkit/qt/InterfaceClock.h"

namespace quillon::toolkit::qt {

InterfaceClock::InterfaceClock()
    : steady_(makeSteadyClock()), interface_(std::this_thread::get_id()) {}

bool InterfaceClock::waitUntil(Millis deadline, const std::function<bool()>& ready) {
    if (!onInterfaceThread()) {
        return steady_->waitUntil(deadline, ready);
    }
    // A condition that already holds is no wait: senders need not know about it.
    if (steady_->waitUntil(0, ready)) {
        return true;
    }
    steady_->update([this] { ++interfaceWaits_; });
    const bool result = steady_->waitUntil(deadline, ready);
    steady_->update([this] { --interfaceWaits_; });
    return result;
}

}  // namespace quillon::toolkit::qt
