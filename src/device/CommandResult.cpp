#include "device/CommandResult.h"

namespace quillon {

std::string_view commandResultName(CommandResult result) {
    switch (result) {
        case kCommandOk:
            return "success";
        case kCommandNoAnswer:
            return "no answer (device not connected or silent)";
        case kCommandWriteFailed:
            return "write failed";
        case kCommandStatusFF:
            return "device status 0xff";
        case kCommandStatusFE:
            return "device status 0xfe";
        case kCommandBadPage:
            return "page out of range";
        case kCommandBadLength:
            return "length does not fit the command";
        case kCommandBadAnswer:
            return "implausible answer from the device";
        case kFileWriteFailed:
            return "file could not be written";
        default:
            return "unknown result";
    }
}

}  // namespace quillon
