#include "app/SkinChange.h"

namespace quillon::app {

ObserverImpl& skinBroadcaster() {
    // Never destroyed: receivers may still remove themselves while the process ends.
    static ObserverImpl* const broadcaster = new ObserverImpl;
    return *broadcaster;
}

}  // namespace quillon::app
