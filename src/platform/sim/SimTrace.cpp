#include "platform/sim/SimTrace.h"

#include "platform/HexText.h"

namespace quillon {

std::string formatTraceLine(const SimReport& report) {
    std::string line(simKindName(report.kind));
    line += report.direction == SimDirection::Request ? " > " : " < ";
    return line + hexString(report.bytes);
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
