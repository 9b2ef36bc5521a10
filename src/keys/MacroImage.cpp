#include "keys/MacroImage.h"

#include <algorithm>
#include <cstdio>

#include "keys/MacroStore.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

void putWord(std::vector<std::uint8_t>& image, std::size_t at, std::uint64_t value) {
    image[at] = static_cast<std::uint8_t>(value & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::size_t wordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::size_t>(bytes[at] | bytes[at + 1] << 8);
}

std::vector<std::uint8_t> emptyImage(std::size_t total, std::size_t entries) {
    std::vector<std::uint8_t> image(total, 0);
    putWord(image, 0, kMacroImageMagic);
    putWord(image, 2, total);
    putWord(image, 4, entries);
    return image;
}

void putAction(std::vector<std::uint8_t>& image, std::size_t at, const MacroAction& action) {
    const ActionBytes bytes = actionBytes(action);
    std::copy(std::begin(bytes.bytes), std::end(bytes.bytes), image.begin() + at);
}

// Writes one block of `room` actions at `offset`: the actions of the file as it is now, at most
// `room` of them; a line that cannot be read stays zero.
void fillBlock(std::vector<std::uint8_t>& image, std::size_t offset, const std::string& file,
               std::uint64_t room) {
    const IniDocument doc = file.empty() ? IniDocument{} : IniDocument::load(file);
    const auto now =
        static_cast<std::uint64_t>(std::clamp(doc.readInt("MACROACTIONCOUNT", "count"), 0, 65535));
    const std::uint64_t m = std::min(now, room);
    putWord(image, offset, m);
    for (std::uint64_t j = 0; j < m; ++j) {
        if (auto action = parseActionLine(doc.read("MACROACTION", std::to_string(j)))) {
            putAction(image, offset + 4 + 4 * j, *action);
        }
    }
}

}  // namespace

std::uint64_t macroImageSize(std::span<const std::uint64_t> actionCounts) {
    std::uint64_t total = kImageHeaderSize + 6 * actionCounts.size();
    for (std::uint64_t m : actionCounts) {
        total += 4 * m;
    }
    return total;
}

MacroImagePlan planMacroImage(std::vector<std::string> files) {
    MacroImagePlan plan;
    for (const std::string& file : files) {
        plan.counts.push_back(file.empty() ? 0 : static_cast<std::uint64_t>(readActionCount(file)));
    }
    plan.files = std::move(files);
    plan.total = macroImageSize(plan.counts);
    return plan;
}

std::optional<std::vector<std::uint8_t>> fillMacroImage(const MacroImagePlan& plan) {
    if (plan.total > kImageSizeLimit || plan.counts.size() != plan.files.size() ||
        plan.total != macroImageSize(plan.counts)) {
        return std::nullopt;
    }
    const std::size_t n = plan.files.size();
    std::vector<std::uint8_t> image = emptyImage(plan.total, n);
    std::size_t offset = kImageHeaderSize + 2 * n;
    for (std::size_t k = 0; k < n; ++k) {
        putWord(image, kImageHeaderSize + 2 * k, offset);
        fillBlock(image, offset, plan.files[k], plan.counts[k]);
        offset += 4 + 4 * plan.counts[k];
    }
    return image;
}

std::optional<std::vector<std::uint8_t>> packMacroImage(
    const std::vector<std::vector<MacroAction>>& macros) {
    std::vector<std::uint64_t> counts;
    for (const auto& actions : macros) {
        counts.push_back(actions.size());
    }
    const std::uint64_t total = macroImageSize(counts);
    if (total > kImageSizeLimit) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> image = emptyImage(total, macros.size());
    std::size_t offset = kImageHeaderSize + 2 * macros.size();
    for (std::size_t k = 0; k < macros.size(); ++k) {
        putWord(image, kImageHeaderSize + 2 * k, offset);
        putWord(image, offset, macros[k].size());
        for (std::size_t j = 0; j < macros[k].size(); ++j) {
            putAction(image, offset + 4 + 4 * j, macros[k][j]);
        }
        offset += 4 + 4 * macros[k].size();
    }
    return image;
}

std::optional<std::vector<ImageEntry>> readMacroImage(std::span<const std::uint8_t> image) {
    if (image.size() < kImageHeaderSize || wordAt(image, 0) != kMacroImageMagic) {
        return std::nullopt;
    }
    const std::size_t total = wordAt(image, 2);
    const std::size_t n = wordAt(image, 4);
    if (total < kImageHeaderSize || total > image.size() || kImageHeaderSize + 2 * n > total) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> bytes = image.first(total);
    std::vector<ImageEntry> entries(n);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t offset = wordAt(bytes, kImageHeaderSize + 2 * k);
        if (offset < kImageHeaderSize + 2 * n || offset + 4 > total) {
            return std::nullopt;
        }
        const std::size_t m = wordAt(bytes, offset);
        if (offset + 4 + 4 * m > total) {
            return std::nullopt;
        }
        for (std::size_t j = 0; j < m; ++j) {
            const std::size_t at = offset + 4 + 4 * j;
            entries[k].actions.push_back(
                {{bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]}});
        }
    }
    return entries;
}

std::uint64_t actionsOverCapacity(std::uint64_t total, std::uint64_t capacity) {
    return total <= capacity ? 0 : (total - capacity) / 4 + 1;
}

std::string formatWithNumber(std::string_view format, std::int64_t number) {
    const std::size_t at = format.find("%d");
    if (at == std::string_view::npos) {
        return std::string(format);
    }
    return std::string(format.substr(0, at)) + std::to_string(number) +
           std::string(format.substr(at + 2));
}

}  // namespace quillon::keys
