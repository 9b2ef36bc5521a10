#include "platform/Version.h"

namespace quillon {

const char* programVersion() {
    return QUILLON_VERSION;
}

const char* projectAddress() {
    return "https://github.com/quillon-project/quillon";
}

}  // namespace quillon
