#pragma once
// What one run of quillonctl works with: the steady clock, the HID backend (the simulated devices
// or the system's), the optional report trace and the device model.

#include <memory>
#include <string>
#include <vector>

#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"
#include "device/ReportTrace.h"
#include "device/ctl/CtlOptions.h"
#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "platform/sim/SimBackend.h"

namespace quillon::ctl {

// A configuration interface found by listConfigInterfaces().
struct FoundInterface {
    DeviceKind kind;
    std::uint16_t vendorId;
    std::uint16_t productId;
    std::string path;
};

class CtlSession {
  public:
    CtlSession() = default;
    ~CtlSession();
    CtlSession(const CtlSession&) = delete;
    CtlSession& operator=(const CtlSession&) = delete;

    // Makes the clock and the backend, plugs and prepares the simulated devices, opens the trace.
    // False with a message in `error`; `usage` tells whether the options were at fault.
    bool start(const CtlOptions& options, std::string& error, bool& usage);

    Clock& clock() { return *clock_; }
    HidBackend& backend() { return sim_ ? static_cast<HidBackend&>(*sim_) : *system_; }
    DeviceModel& model() { return model_; }

    // A connected channel on the kind's configuration interface, found as the detection finds
    // it (vendor id, open, product id, usage page and usage); null when there is none.
    std::unique_ptr<DeviceChannel> open(DeviceKind kind);
    std::vector<FoundInterface> listConfigInterfaces();

  private:
    bool prepareSimulation(const CtlOptions& options, std::string& error);

    std::unique_ptr<Clock> clock_;
    std::unique_ptr<SimBackend> sim_;
    std::unique_ptr<HidBackend> system_;
    std::unique_ptr<FileReportTrace> trace_;
    DeviceModel model_;
};

}  // namespace quillon::ctl
