#include "platform/sim/SimTrace.h"

namespace quillon {

std::string formatTraceLine(const SimReport& report) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string line(simKindName(report.kind));
    line += report.direction == SimDirection::Request ? " > " : " < ";
    line.reserve(line.size() + 2 * report.bytes.size());
    for (std::uint8_t byte : report.bytes) {
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
    }
    return line;
}

void SimTraceLog::add(const SimReport& report) {
    if (reports_.size() >= capacity_) {
        ++overflow_;
        return;
    }
    reports_.push_back(report);
}

void SimTraceLog::reset() {
    reports_.clear();
    overflow_ = 0;
}

std::vector<SimFrame> SimTraceLog::requests(SimKind kind) const {
    std::vector<SimFrame> frames;
    for (const SimReport& report : reports_) {
        if (report.kind == kind && report.direction == SimDirection::Request) {
            frames.push_back(report.bytes);
        }
    }
    return frames;
}

}  // namespace quillon
