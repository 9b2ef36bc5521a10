// The toolkit contract on the headless toolkit, on virtual and on real time.
#include "toolkit/headless_driver.h"
#include "toolkit_contract/contract.h"

QUILLON_TOOLKIT_CONTRACT(Headless, ::quillon::toolkit::headless::makeHeadlessDriver)
QUILLON_TOOLKIT_CONTRACT(HeadlessRealTime, ::quillon::toolkit::headless::makeRealTimeHeadlessDriver)
