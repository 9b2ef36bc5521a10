#include "platform/sim/SimOptions.h"

#include <algorithm>

#include "platform/sim/SimDevice.h"
#include "platform/sim/SimText.h"

namespace quillon {
namespace {

// Splits at every `separator`; "a,,b" gives an empty middle part.
std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

bool parseKind(std::string_view word, SimKind& out, std::string& error) {
    if (simKindFromName(word, out)) {
        return true;
    }
    error = "unknown device kind \"" + std::string(word) + "\" (mouse, keyboard or mousepad)";
    return false;
}

}  // namespace

bool parseSimulateList(std::string_view text, std::vector<SimKind>& out, std::string& error) {
    std::vector<SimKind> kinds;
    for (std::string_view part : splitAt(text, ',')) {
        SimKind kind = SimKind::Mouse;
        if (!parseKind(trimSpaces(part), kind, error)) {
            return false;
        }
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) {
            kinds.push_back(kind);
        }
    }
    out = std::move(kinds);
    return true;
}

bool parseSimFaultCount(std::string_view text, int& out, std::string& error) {
    std::uint64_t value = 0;
    if (!parseWholeNumber(trimSpaces(text), kSimMaxFaultCount, value)) {
        error = "bad fault count \"" + std::string(text) + "\" (a number from 0 to " +
                std::to_string(kSimMaxFaultCount) + ")";
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

bool parseSimFaultSpec(std::string_view text, SimFaultSpec& out, std::string& error) {
    const std::vector<std::string_view> parts = splitAt(text, ':');
    if (parts.size() < 2 || parts.size() > 3) {
        error = "bad fault \"" + std::string(text) + "\" (KIND:FAULT or KIND:FAULT:COUNT)";
        return false;
    }
    SimFaultSpec spec;
    if (!parseKind(trimSpaces(parts[0]), spec.kind, error)) {
        return false;
    }
    if (!simFaultFromName(trimSpaces(parts[1]), spec.fault)) {
        error = "unknown fault \"" + std::string(parts[1]) +
                "\" (none, silent, status-ff, status-fe or write-fail)";
        return false;
    }
    if (parts.size() == 3 && !parseSimFaultCount(parts[2], spec.count, error)) {
        return false;
    }
    out = spec;
    return true;
}

}  // namespace quillon
