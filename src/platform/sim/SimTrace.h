#pragma once
// The record of the reports that cross the simulated configuration interfaces, and their text form
// for trace files: "<kind> <dir> <128 lowercase hex digits>", dir ">" for a request and "<" for a
// response.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/sim/SimFirmware.h"
#include "platform/sim/SimTypes.h"

namespace quillon {

struct SimReport {
    SimKind kind = SimKind::Mouse;
    SimDirection direction = SimDirection::Request;
    SimFrame bytes{};
};

// One trace line, without a line end.
std::string formatTraceLine(const SimReport& report);

// The reports since the last reset, in the order they crossed. The record stops growing at
// `capacity` reports (a long session with simulated devices must not eat the memory); what came
// after is counted in overflow().
class SimTraceLog {
  public:
    static constexpr std::size_t kDefaultCapacity = 1 << 17;  // about 9 MB of reports

    explicit SimTraceLog(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    void add(const SimReport& report);
    void reset();
    const std::vector<SimReport>& reports() const { return reports_; }
    std::vector<SimFrame> requests(SimKind kind) const;
    std::size_t overflow() const { return overflow_; }

  private:
    std::size_t capacity_;
    std::vector<SimReport> reports_;
    std::size_t overflow_ = 0;
};

}  // namespace quillon
