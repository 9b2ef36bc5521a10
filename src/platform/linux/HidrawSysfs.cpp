#include "platform/linux/HidrawSysfs.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "platform/UniqueFd.h"

namespace quillon {
namespace {

bool parseHexField(std::string_view text, std::uint32_t& value) {
    if (text.empty() || text.size() > 8) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool parseHidrawName(std::string_view name, unsigned& number) {
    constexpr std::string_view kPrefix = "hidraw";
    if (name.size() <= kPrefix.size() || name.size() > kPrefix.size() + 9 ||
        name.substr(0, kPrefix.size()) != kPrefix) {
        return false;
    }
    const std::string_view digits = name.substr(kPrefix.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size();
}

bool parseHidUevent(std::string_view text, std::uint16_t& vendorId, std::uint16_t& productId) {
    constexpr std::string_view kKey = "HID_ID=";
    while (!text.empty()) {
        const std::size_t lineEnd = text.find('\n');
        std::string_view line = text.substr(0, lineEnd);
        text = lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);
        if (line.substr(0, kKey.size()) != kKey) {
            continue;
        }
        line.remove_prefix(kKey.size());
        const std::size_t first = line.find(':');
        const std::size_t second =
            first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second == std::string_view::npos) {
            return false;
        }
        std::uint32_t bus = 0;
        std::uint32_t vendor = 0;
        std::uint32_t product = 0;
        if (!parseHexField(line.substr(0, first), bus) ||
            !parseHexField(line.substr(first + 1, second - first - 1), vendor) ||
            !parseHexField(line.substr(second + 1), product) || vendor > 0xFFFF ||
            product > 0xFFFF) {
            return false;
        }
        vendorId = static_cast<std::uint16_t>(vendor);
        productId = static_cast<std::uint16_t>(product);
        return true;
    }
    return false;
}

SmallFileRead readSmallFile(const std::string& path, std::size_t limit,
                            std::vector<std::uint8_t>& out) {
    out.clear();
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        return errno == ENOENT || errno == ENOTDIR ? SmallFileRead::Missing : SmallFileRead::Failed;
    }
    std::uint8_t chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            out.clear();
            return SmallFileRead::Failed;
        }
        if (got == 0) {
            return SmallFileRead::Loaded;
        }
        if (static_cast<std::size_t>(got) > limit - out.size()) {
            out.clear();
            return SmallFileRead::TooLarge;
        }
        out.insert(out.end(), chunk, chunk + got);
    }
}

bool descriptorDeclaresReportIds(const std::vector<std::uint8_t>& descriptor) {
    constexpr std::uint8_t kLongItem = 0xFE;
    constexpr std::uint8_t kReportIdItem = 0x84;  // global item, tag 8, any data size
    std::size_t pos = 0;
    while (pos < descriptor.size()) {
        const std::uint8_t prefix = descriptor[pos];
        if (prefix == kLongItem) {
            if (descriptor.size() - pos < 3) {
                return false;
            }
            pos += 3 + static_cast<std::size_t>(descriptor[pos + 1]);
            continue;
        }
        if ((prefix & 0xFC) == kReportIdItem) {
            return true;
        }
        static constexpr std::size_t kDataBytes[4] = {0, 1, 2, 4};
        pos += 1 + kDataBytes[prefix & 0x03];
    }
    return false;
}

}  // namespace quillon
