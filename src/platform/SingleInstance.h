#pragma once
// One running Quillon per user. The first instance holds a lock named after "VORLAXDRVER1" for as
// long as it runs and listens for show requests ("KALVEREN_004"); a later start finds the lock
// taken, asks the running instance to come to the front and ends.

#include <functional>
#include <memory>

namespace quillon {

inline constexpr const char* kInstanceLockName = "VORLAXDRVER1";
inline constexpr const char* kShowRequestName = "KALVEREN_004";

// Results of SingleInstance::acquire.
inline constexpr int kInstanceFirst = 1;    // this process is the running instance
inline constexpr int kInstanceRunning = 0;  // another instance holds the lock
inline constexpr int kInstanceFailed = -1;  // the lock could not be set up at all

// Listens for show requests while it exists; the destructor returns once listening has stopped.
class ShowRequestListener {
  public:
    virtual ~ShowRequestListener() = default;
};

class SingleInstance {
  public:
    virtual ~SingleInstance() = default;

    // Takes the instance lock: kInstanceFirst, kInstanceRunning or kInstanceFailed. The lock is
    // held until this object is destroyed, and is free again at once when the process ends in any
    // way. The first instance also begins accepting show requests, which wait until listen().
    virtual int acquire() = 0;

    // Asks the running instance to come to the front. True when the request was delivered.
    virtual bool sendShowRequest() = 0;

    // After acquire() returned kInstanceFirst: calls `onShowRequest` on a thread of its own for
    // each request, until the returned listener is destroyed. The callback should post to the
    // interface thread, never wait for it: that thread may be the one destroying the listener.
    // Nothing when this object does not hold the lock or the request channel could not be opened.
    virtual std::unique_ptr<ShowRequestListener> listen(std::function<void()> onShowRequest) = 0;
};

}  // namespace quillon
