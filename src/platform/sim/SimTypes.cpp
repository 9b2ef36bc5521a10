#include "platform/sim/SimTypes.h"

#include "platform/sim/SimText.h"

namespace quillon {

std::string_view simKindName(SimKind kind) {
    switch (kind) {
        case SimKind::Keyboard:
            return "keyboard";
        case SimKind::Mouse:
            return "mouse";
        case SimKind::Mousepad:
            return "mousepad";
    }
    return "";
}

bool simKindFromName(std::string_view text, SimKind& out) {
    for (SimKind kind : kAllSimKinds) {
        if (sameWordNoCase(text, simKindName(kind))) {
            out = kind;
            return true;
        }
    }
    return false;
}

std::string_view simRegionName(SimRegion region) {
    switch (region) {
        case SimRegion::Info:
            return "info";
        case SimRegion::Settings:
            return "settings";
        case SimRegion::KeyTable:
            return "keytable";
        case SimRegion::Pages:
            return "pages";
        case SimRegion::Macro:
            return "macro";
        case SimRegion::Cursor:
            return "cursor";
    }
    return "";
}

bool simRegionFromName(std::string_view text, SimRegion& out) {
    for (SimRegion region : kAllSimRegions) {
        if (sameWordNoCase(text, simRegionName(region))) {
            out = region;
            return true;
        }
    }
    return false;
}

std::string_view simFaultName(SimFault fault) {
    switch (fault) {
        case SimFault::None:
            return "none";
        case SimFault::Silent:
            return "silent";
        case SimFault::StatusFF:
            return "status-ff";
        case SimFault::StatusFE:
            return "status-fe";
        case SimFault::WriteFail:
            return "write-fail";
    }
    return "";
}

bool simFaultFromName(std::string_view text, SimFault& out) {
    constexpr std::array<SimFault, 5> all = {SimFault::None, SimFault::Silent, SimFault::StatusFF,
                                             SimFault::StatusFE, SimFault::WriteFail};
    for (SimFault fault : all) {
        if (sameWordNoCase(text, simFaultName(fault))) {
            out = fault;
            return true;
        }
    }
    return false;
}

}  // namespace quillon
