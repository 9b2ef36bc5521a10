#include "platform/sim/SimIdentity.h"

namespace quillon {
namespace {

constexpr std::string_view kPathRoot = "sim/";
constexpr std::string_view kConfigLeaf = "/config";
constexpr std::string_view kConsumerLeaf = "/consumer";

bool cutSuffix(std::string_view& text, std::string_view suffix) {
    if (text.size() < suffix.size() || text.substr(text.size() - suffix.size()) != suffix) {
        return false;
    }
    text.remove_suffix(suffix.size());
    return true;
}

}  // namespace

std::uint16_t simDefaultProductId(SimKind kind) {
    switch (kind) {
        case SimKind::Keyboard:
            return kSimKeyboardProductId;
        case SimKind::Mouse:
            return kSimMouseProductId;
        case SimKind::Mousepad:
            return kSimMousepadProductId;
    }
    return 0;
}

bool simHasConsumerInterface(SimKind kind) {
    return kind != SimKind::Mousepad;
}

std::string simInterfacePath(SimKind kind, SimInterface iface) {
    std::string path(kPathRoot);
    path += simKindName(kind);
    path += iface == SimInterface::Config ? kConfigLeaf : kConsumerLeaf;
    return path;
}

bool parseSimInterfacePath(std::string_view path, SimKind& kind, SimInterface& iface) {
    if (path.substr(0, kPathRoot.size()) != kPathRoot) {
        return false;
    }
    path.remove_prefix(kPathRoot.size());
    SimInterface which = SimInterface::Config;
    if (!cutSuffix(path, kConfigLeaf)) {
        if (!cutSuffix(path, kConsumerLeaf)) {
            return false;
        }
        which = SimInterface::Consumer;
    }
    for (SimKind candidate : kAllSimKinds) {
        if (path == simKindName(candidate)) {  // exact spelling: paths are case-sensitive
            kind = candidate;
            iface = which;
            return true;
        }
    }
    return false;
}

}  // namespace quillon
