#include "device/ReportTrace.h"

#include "platform/HexText.h"

namespace quillon {

std::string formatTraceLine(DeviceKind kind, ReportDirection direction,
                            std::span<const std::uint8_t, kFrameSize> report) {
    std::string line(kindName(kind));
    line += direction == ReportDirection::Request ? " > " : " < ";
    return line + hexString(report);
}

FileReportTrace::FileReportTrace(const std::string& path) : file_(std::fopen(path.c_str(), "a")) {}

void FileReportTrace::onReport(DeviceKind kind, ReportDirection direction,
                               std::span<const std::uint8_t, kFrameSize> report) {
    if (!file_) {
        return;
    }
    const std::string line = formatTraceLine(kind, direction, report) + "\n";
    std::lock_guard guard(writing_);
    std::fwrite(line.data(), 1, line.size(), file_.get());
    std::fflush(file_.get());
}

}  // namespace quillon
