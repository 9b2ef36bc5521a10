#pragma once
// A record of the reports that cross a configuration interface, for developers and for the
// command-line tool: one line per report, "<kind> <dir> <128 lower-case hex digits>", with ">" for
// a request and "<" for a response.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "device/CommandFrame.h"
#include "device/DeviceKind.h"

namespace quillon {

enum class ReportDirection { Request, Response };

class ReportTrace {
  public:
    virtual ~ReportTrace() = default;
    // Called on the transacting thread, with the channel's lock held; must not block for long.
    virtual void onReport(DeviceKind kind, ReportDirection direction,
                          std::span<const std::uint8_t, kFrameSize> report) = 0;
};

std::string formatTraceLine(DeviceKind kind, ReportDirection direction,
                            std::span<const std::uint8_t, kFrameSize> report);

// Appends trace lines to a file; safe to share between channels and threads.
class FileReportTrace final : public ReportTrace {
  public:
    // Opens `path` for appending; check isOpen().
    explicit FileReportTrace(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    void onReport(DeviceKind kind, ReportDirection direction,
                  std::span<const std::uint8_t, kFrameSize> report) override;

  private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::mutex writing_;  // held only for one line's write, never across a wait
};

}  // namespace quillon
