// The harness's simulated-device commands and the request record.

#include "app/scenario/ScenarioRun.h"
#include "platform/sim/SimTrace.h"

namespace quillon::scenario {

namespace {

std::optional<std::uint16_t> keyboardProductId(const std::string& text) {
    const auto pid = parseNumber(text);
    if (!pid || (*pid != 0x6556 && *pid != 0x0800 && *pid != 0x7200)) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*pid);
}

}  // namespace

void ScenarioRun::registerDeviceCommands() {
    commands_["device"] = [this](const Args& a) {
        SimKind kind;
        if (a.size() < 3 || !simKindFromName(a[2], kind)) {
            return Step::invalid(
                "usage: device plug|unplug|announce|set|expect|fault|keys KIND ...");
        }
        const std::string& verb = a[1];
        Step step = Step::invalid("unknown device command \"" + verb + "\"");
        if (verb == "plug") {
            std::uint16_t pid = 0;
            if (a.size() == 4) {
                const auto chosen =
                    kind == SimKind::Keyboard ? keyboardProductId(a[3]) : std::nullopt;
                if (!chosen) {
                    return Step::invalid("usage: device plug keyboard [0x6556|0x0800|0x7200]");
                }
                pid = *chosen;
            } else if (a.size() != 3) {
                return Step::invalid("usage: device plug KIND [PID]");
            }
            step = headless_->sim().plug(kind, pid) ? Step::ok()
                                                    : Step::fail("could not plug " + a[2]);
        } else if (verb == "unplug" && a.size() == 3) {
            step =
                headless_->sim().unplug(kind) ? Step::ok() : Step::fail(a[2] + " was not plugged");
        } else if (verb == "announce" && a.size() == 4) {
            const auto usage = parseNumber(a[3]);
            if (!usage || *usage < 0 || *usage > 0xFFFF) {
                return Step::invalid("usage: device announce KIND USAGE");
            }
            step = headless_->sim().announce(kind, static_cast<std::uint16_t>(*usage))
                       ? Step::ok()
                       : Step::fail(a[2] + " cannot announce");
        } else if ((verb == "set" || verb == "expect") && a.size() == 6) {
            SimRegion region;
            const auto offset = parseNumber(a[4]);
            const auto bytes = parseHex(a[5]);
            if (!simRegionFromName(a[3], region) || !offset || *offset < 0 || !bytes) {
                return Step::invalid("usage: device " + verb + " KIND REGION OFFSET HEX");
            }
            const auto at = static_cast<std::size_t>(*offset);
            if (verb == "set") {
                return headless_->sim().setMemory(kind, region, at, *bytes)
                           ? Step::ok()
                           : Step::fail("outside the region");
            }
            std::vector<std::uint8_t> got;
            if (!headless_->sim().readMemory(kind, region, at, bytes->size(), got)) {
                return Step::fail("outside the region");
            }
            const std::string want = toHex(bytes->data(), bytes->size());
            const std::string have = toHex(got.data(), got.size());
            return want == have ? Step::ok() : Step::expected(want, have);
        } else if (verb == "fault" && (a.size() == 4 || a.size() == 5)) {
            SimFault fault;
            const auto count = a.size() == 5 ? parseNumber(a[4]) : std::optional<std::int64_t>(1);
            if (!simFaultFromName(a[3], fault) || !count || *count < 0 || *count > 1000000) {
                return Step::invalid("usage: device fault KIND FAULT [COUNT]");
            }
            step = headless_->sim().setFault(kind, fault, static_cast<int>(*count))
                       ? Step::ok()
                       : Step::fail("fault refused");
        } else if (verb == "keys" && a.size() == 4) {
            const auto count = parseNumber(a[3]);
            if (!count || *count < 0 || *count > 255 || kind != SimKind::Keyboard) {
                return Step::invalid("usage: device keys keyboard COUNT");
            }
            step = headless_->sim().setKeyCount(kind, static_cast<int>(*count))
                       ? Step::ok()
                       : Step::fail("key count refused");
        }
        if (step.verdict == Verdict::Passed) {
            settle();
        }
        return step;
    };
    commands_["trace"] = [this](const Args& a) {
        if (a.size() != 2 || a[1] != "reset") {
            return Step::invalid("usage: trace reset");
        }
        headless_->sim().resetTrace();
        return Step::ok();
    };
    commands_["expect-requests"] = [this](const Args& a) {
        SimKind kind;
        const auto count = a.size() == 3 ? parseNumber(a[2]) : std::nullopt;
        if (!count || !simKindFromName(a[1], kind)) {
            return Step::invalid("usage: expect-requests KIND N");
        }
        const auto got = static_cast<std::int64_t>(headless_->sim().requests(kind).size());
        return got == *count
                   ? Step::ok()
                   : Step::expected(a[2] + " requests", std::to_string(got) + " requests");
    };
    commands_["expect-request"] = [this](const Args& a) {
        SimKind kind;
        const auto index = a.size() == 4 ? parseNumber(a[2]) : std::nullopt;
        const auto bytes = a.size() == 4 ? parseHex(a[3]) : std::nullopt;
        if (!index || *index < 0 || !bytes || bytes->size() > 64 || !simKindFromName(a[1], kind)) {
            return Step::invalid("usage: expect-request KIND I HEX");
        }
        const auto requests = headless_->sim().requests(kind);
        if (static_cast<std::size_t>(*index) >= requests.size()) {
            return Step::expected("request " + a[2], std::to_string(requests.size()) + " requests");
        }
        const auto& frame = requests[static_cast<std::size_t>(*index)];
        const std::string want = toHex(bytes->data(), bytes->size());
        const std::string got = toHex(frame.data(), bytes->size());
        return want == got ? Step::ok() : Step::expected(want, got);
    };
}

}  // namespace quillon::scenario
